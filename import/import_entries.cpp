#include "import/import_entries.h"

#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {

ImportEntries importEntriesOf(const std::vector<std::unique_ptr<PlayList>>& playLists)
{
    // Members are the library's own items, so a member's tag is the item's.
    ImportEntries result;
    for (const auto& playList : playLists) {
        int count = 0;
        bool hasTrack = false;
        for (const InMedia* member : playList->getMedias()) {
            if (!member->getTaged())
                continue;
            if (member->getMediaType() == InMedia::kPhoto) {
                result.picturesTagged = true;
            } else {
                hasTrack = true;
                result.tunesTagged = true;
            }
            ++count;
        }
        if (count == 0 || !hasTrack)
            continue;
        auto entry = std::make_unique<PlayList>();
        entry->setListName(playList->getCleanListName());
        entry->setTaggedInPlayList(playList->getCleanListName() + "  (" + std::to_string(count) + "/" +
                                   std::to_string(playList->getMedias().size()) + ")");
        result.entries.push_back(std::move(entry));
    }
    return result;
}

} // namespace korvida
