#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/item_budget.h"
#include "devicedb/scan_progress.h"
#include "devicedb/short_id_index.h"
#include "devicedb/tag_finder.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {

// The playlists of the playlist section. Each playlist header starts one playlist, named by
// the first string record after it; its members are the tracks that its items name by short
// ID, up to the next playlist header. The first playlist (the library's own) and playlists
// that resolve to no track are left out. The playlists together hold no more members than
// the file's size allows.
class PlaylistScan {
public:
    // The walk over a playlist's items tells `progress` how far it has come, so that the
    // pages of a long playlist can be given back before the walk ends.
    PlaylistScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias, const ShortIdIndex& shortIds,
                 std::vector<std::unique_ptr<PlayList>>& playLists, const ScanProgress& progress);

    void read(std::size_t p);
    // Whether the playlists named more members than the file's size allows.
    bool overrun() const { return memberBudget.overrun(); }

private:
    struct Name {
        std::size_t record = SIZE_MAX;
        std::string text;
        std::size_t end = 0;
    };

    const Name& nameAfter(std::size_t p);
    // Whether a playlist header starts in [from, end).
    bool headerBefore(std::size_t from, std::size_t end) const;

    ByteView data;
    const std::vector<std::unique_ptr<InMedia>>& medias;
    const ShortIdIndex& shortIds;
    std::vector<std::unique_ptr<PlayList>>& playLists;
    const ScanProgress& progress;
    TagFinder nameRecords;
    Name lastName; // headers that find the same name record share its decoded text
    ItemBudget memberBudget;
    int playlistCount = 0;
};

} // namespace korvida
