#include "import/playlist_shelf.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

#include "copy/export_naming.h"

namespace korvida {

namespace {

constexpr const char* kHeader = "#EXTM3U\n";

// Writes `text` to a fresh hidden file beside `path` and renames it over `path`.
bool writeWhole(const std::string& path, const std::string& text)
{
    const auto slash = path.rfind('/');
    std::string temporary = path.substr(0, slash + 1) + ".korvida-playlist-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    bool written = true;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        written = n > 0;
        done += written ? static_cast<std::size_t>(n) : 0;
    }
    written = ::close(fd) == 0 && written;
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

// A title stands on one line of the file.
std::string lineBreaksToSpaces(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

std::string PlaylistShelf::fileOf(const std::string& name) const
{
    return joinPath(folder, fitComponent(exportComponent(name), ".m3u8"));
}

PlaylistShelf::Playlist& PlaylistShelf::open(const std::string& name)
{
    const std::string file = fileOf(name);
    auto found = playlists.find(file);
    if (found != playlists.end())
        return found->second;
    Playlist& playlist = playlists[file];
    std::ifstream in(file, std::ios::binary);
    std::string& text = playlist.textBefore;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line.front() != '#')
            playlist.pathsBefore.insert(line);
    if (text.empty()) {
        text = kHeader;
        playlist.changed = true;
    } else if (text.back() != '\n') {
        text += '\n';
        playlist.changed = true;
    }
    return playlist;
}

void PlaylistShelf::ensure(const std::string& name)
{
    open(name);
}

void PlaylistShelf::add(const std::string& name, const std::string& title, const std::string& file, std::size_t rank)
{
    Playlist& playlist = open(name);
    const std::string line = std::filesystem::path(file).lexically_relative(folder).string();
    if (line.empty() || playlist.pathsBefore.count(line) > 0)
        return;
    auto place = std::upper_bound(playlist.added.begin(), playlist.added.end(), rank,
                                  [](std::size_t value, const Entry& entry) { return value < entry.rank; });
    playlist.added.insert(place, Entry{rank, "#EXTINF:-1," + lineBreaksToSpaces(title) + "\n" + line + "\n"});
    playlist.changed = true;
}

bool PlaylistShelf::save()
{
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    bool saved = true;
    for (auto& [file, playlist] : playlists) {
        if (!playlist.changed)
            continue;
        std::string text = playlist.textBefore;
        for (const Entry& entry : playlist.added)
            text += entry.lines;
        playlist.changed = !writeWhole(file, text);
        saved = saved && !playlist.changed;
    }
    return saved;
}

} // namespace korvida
