#pragma once

#include <memory>
#include <string>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/short_id_index.h"
#include "devicedb/tag_finder.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {

// The playlists of the playlist section. Each playlist header starts one playlist, named by
// the first string record after it; its members are the tracks that its items name by short
// ID, up to the next playlist header. The first playlist (the library's own) and playlists
// that resolve to no track are left out.
class PlaylistScan {
public:
    PlaylistScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias, const ShortIdIndex& shortIds,
                 std::vector<std::unique_ptr<PlayList>>& playLists);

    void read(std::size_t p);

private:
    struct Name {
        std::size_t record = SIZE_MAX;
        std::string text;
        std::size_t end = 0;
    };

    const Name& nameAfter(std::size_t p);

    ByteView data;
    const std::vector<std::unique_ptr<InMedia>>& medias;
    const ShortIdIndex& shortIds;
    std::vector<std::unique_ptr<PlayList>>& playLists;
    TagFinder nameRecords;
    TagFinder playlistHeaders;
    Name lastName; // headers that find the same name record share its decoded text
    int playlistCount = 0;
};

} // namespace korvida
