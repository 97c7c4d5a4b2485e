#pragma once

#include <initializer_list>
#include <string_view>

#include "devicedb/byte_view.h"

namespace korvida {

// The record tags that end a text. Every tag of the databases starts with "mh", so a set
// keeps the last two letters of each.
class TagSet {
public:
    TagSet(std::initializer_list<std::string_view> tags);

    bool beginsAt(ByteView data, std::size_t position) const
    {
        if (!fits(data, position, 4) || data[position] != 'm' || data[position + 1] != 'h')
            return false;
        for (std::size_t i = 0; i < count; ++i)
            if (data[position + 2] == endings[i][0] && data[position + 3] == endings[i][1])
                return true;
        return false;
    }

private:
    static constexpr std::size_t kMaxTags = 10;
    std::uint8_t endings[kMaxTags][2] = {};
    std::size_t count = 0;
};

// Ends of the iTunesDB texts: any record tag of the file.
const TagSet& iTunesDBRecordTags();

} // namespace korvida
