#include "import/user_folders.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

#include "copy/player_file.h"

namespace korvida {

namespace {

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
        return home;
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/";
}

// The folder of one line `XDG_NAME_DIR="$HOME/Folder"` (or an absolute path), or nothing
// when the value is neither.
std::string folderOf(const std::string& quoted, const std::string& home)
{
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return {};
    std::string value;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size())
            ++i;
        value += quoted[i];
    }
    if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
        return home + value.substr(5);
    return !value.empty() && value.front() == '/' ? value : std::string();
}

} // namespace

ImportFolders importFoldersFrom(const std::string& userDirs, const std::string& home)
{
    ImportFolders folders{home + "/Music", home + "/Videos", home + "/Pictures"};
    std::istringstream lines(userDirs);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (line.empty() || line.front() == '#' || equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string folder = folderOf(line.substr(equals + 1), home);
        if (folder.empty())
            continue;
        if (key == "XDG_MUSIC_DIR")
            folders.music = folder;
        else if (key == "XDG_VIDEOS_DIR")
            folders.videos = folder;
        else if (key == "XDG_PICTURES_DIR")
            folders.pictures = folder;
    }
    return folders;
}

ImportFolders userImportFolders()
{
    const std::string home = homeFolder();
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string config = configHome != nullptr && configHome[0] == '/' ? configHome : home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    const std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return importFoldersFrom(contents, home);
}

std::optional<std::string> folderOnPlayer(const ImportFolders& folders, const std::string& playerFolder)
{
    for (const std::string* folder : {&folders.music, &folders.videos, &folders.pictures})
        if (!playerFolder.empty() && liesWithin(*folder, playerFolder))
            return *folder;
    return std::nullopt;
}

} // namespace korvida
