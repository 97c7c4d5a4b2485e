#include "import/playlist_shelf.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <sstream>
#include <sys/stat.h>

#include "copy/export_folders.h"
#include "copy/export_naming.h"
#include "copy/numbered_name.h"
#include "import/playlist_file.h"

namespace korvida {

namespace {

constexpr const char* kHeader = "#EXTM3U\n";

// Far more playlists of one name than anyone keeps; past it the last name is used.
constexpr int kLastNumber = 1000;

// A text on one line of the file, whatever a reader takes for a line's end.
std::string oneLine(const std::string& text)
{
    return replaceLineBreakers(text, ' ');
}

std::string parentOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

} // namespace

void PlaylistShelf::startRun()
{
    playlists.clear();
    filesTaken.clear();
    folderMade = false;
    folderProblem.clear();
}

std::string PlaylistShelf::fileFor(const std::string& name)
{
    const ExportFolders here{folder, {}, false};
    const std::string fileName = acceptedFileName(fileSystem, here, fitComponent(exportComponent(name), ".m3u8"));
    const std::string ownerLine = playlistOwnerLine(name);
    std::string file;
    for (int number = 1; number <= kLastNumber; ++number) {
        const std::string numbered = numberedName(fileName, number);
        file = joinPath(folder, numbered);
        if (numbered == kCollectionFile || filesTaken.count(file) > 0)
            continue;
        const ExistingPlaylist existing = readExistingPlaylist(file);
        if (existing.kind == ExistingPlaylist::none)
            break;
        if (existing.kind != ExistingPlaylist::regular)
            continue;
        // Files written before playlists were named inside them belong to the exact name.
        const std::optional<std::string> owner = playlistOwnerIn(existing.text);
        if (owner ? *owner == ownerLine : numbered == name + ".m3u8")
            break;
    }
    return file;
}

PlaylistShelf::Playlist& PlaylistShelf::open(const std::string& key, const std::string& name)
{
    auto found = playlists.find(key);
    if (found != playlists.end())
        return found->second;
    if (!folderMade) {
        folderMade = true;
        fileSystem.makeFolder(parentOf(folder));
        folderProblem = fileSystem.makeFolder(folder);
        std::error_code ignored;
        if (folderProblem == std::errc::file_exists && std::filesystem::is_directory(folder, ignored))
            folderProblem.clear();
        else if (folderProblem == std::errc::file_exists)
            folderProblem = std::make_error_code(std::errc::not_a_directory);
    }
    Playlist& playlist = playlists[key];
    const bool collection = key.empty();
    if (folderProblem) {
        // Nothing there can be looked at: the problem names the file the playlist would get.
        playlist.file = joinPath(folder, collection ? kCollectionFile : fitComponent(exportComponent(name), ".m3u8"));
        playlist.problem = folderProblem;
        return playlist;
    }
    playlist.file = collection ? joinPath(folder, kCollectionFile) : fileFor(name);
    filesTaken.insert(playlist.file);
    const ExistingPlaylist existing = readExistingPlaylist(playlist.file);
    if (existing.kind == ExistingPlaylist::other) {
        playlist.problem = std::make_error_code(std::errc::invalid_argument);
        return playlist;
    }
    std::string& text = playlist.textBefore;
    text = existing.text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.front() != '#')
            playlist.pathsBefore.insert(line);
    if (text.empty())
        text = collection ? kHeader : kHeader + playlistNameLines(name);
    else if (text.back() != '\n')
        text += '\n';
    return playlist;
}

void PlaylistShelf::addTo(Playlist& playlist, const std::string& title, const std::string& file, std::size_t rank)
{
    const std::string line = std::filesystem::path(file).lexically_relative(folder).string();
    if (line.empty() || playlist.pathsBefore.count(line) > 0)
        return;
    auto place = std::upper_bound(playlist.added.begin(), playlist.added.end(), rank,
                                  [](std::size_t value, const Entry& entry) { return value < entry.rank; });
    playlist.added.insert(place, Entry{rank, "#EXTINF:-1," + oneLine(title) + "\n" + line + "\n"});
}

void PlaylistShelf::addToCollection(const std::string& title, const std::string& file)
{
    addTo(open("", ""), title, file, std::numeric_limits<std::size_t>::max());
}

void PlaylistShelf::add(const std::string& name, const std::string& title, const std::string& file, std::size_t rank)
{
    addTo(open("=" + name, name), title, file, rank);
}

std::vector<PlaylistProblem> PlaylistShelf::save()
{
    std::vector<PlaylistProblem> problems;
    for (auto& [key, playlist] : playlists) {
        if (playlist.added.empty())
            continue;
        if (playlist.problem) {
            problems.push_back({playlist.file, playlist.problem});
            continue;
        }
        std::string text = playlist.textBefore;
        for (const Entry& entry : playlist.added)
            text += entry.lines;
        if (const std::error_code error = fileSystem.writeWholeFile(playlist.file, text)) {
            problems.push_back({playlist.file, error});
            continue;
        }
        playlist.textBefore = std::move(text);
        playlist.added.clear();
    }
    return problems;
}

} // namespace korvida
