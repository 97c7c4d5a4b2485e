#pragma once

#include <optional>
#include <string>

// The user's music, videos and pictures folders, where an import puts what it brings over.
namespace korvida {

struct ImportFolders {
    std::string music;
    std::string videos;
    std::string pictures;
};

// The folders named by the user's XDG user directories ($XDG_CONFIG_HOME/user-dirs.dirs,
// ~/.config when unset), read as the desktop's file dialogs read them; a folder not named
// there is ~/Music, ~/Videos or ~/Pictures.
ImportFolders userImportFolders();

// The same from given contents of user-dirs.dirs and a home folder.
ImportFolders importFoldersFrom(const std::string& userDirs, const std::string& home);

// The first of the three folders that lies inside `playerFolder` (a home on the player, or
// a folder the desktop names there), links followed; nothing when none does.
std::optional<std::string> folderOnPlayer(const ImportFolders& folders, const std::string& playerFolder);

} // namespace korvida
