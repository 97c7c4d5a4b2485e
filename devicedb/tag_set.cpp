#include "devicedb/tag_set.h"

namespace korvida {

TagSet::TagSet(std::initializer_list<std::string_view> tags)
{
    for (std::string_view tag : tags) {
        if (count == kMaxTags || tag.size() != 4)
            continue;
        endings[count][0] = static_cast<std::uint8_t>(tag[2]);
        endings[count][1] = static_cast<std::uint8_t>(tag[3]);
        ++count;
    }
}

const TagSet& iTunesDBRecordTags()
{
    static const TagSet tags{"mhod", "mhit", "mhsd", "mhlt", "mhlp", "mhyp", "mhip", "mhbd", "mhla", "mhia"};
    return tags;
}

} // namespace korvida
