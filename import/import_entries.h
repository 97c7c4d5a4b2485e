#pragma once

#include <memory>
#include <vector>

class PlayList;

namespace korvida {

// The import sheet's list: one unticked entry for every playlist holding a tagged tune or
// film, and whether any tagged tune or film, or any tagged picture, stands in a playlist.
struct ImportEntries {
    std::vector<std::unique_ptr<PlayList>> entries;
    bool tunesTagged = false;
    bool picturesTagged = false;
};

// Entries read "Name  (tagged/members)", counting every tagged member whatever its kind.
ImportEntries importEntriesOf(const std::vector<std::unique_ptr<PlayList>>& playLists);

} // namespace korvida
