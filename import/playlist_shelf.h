#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// The M3U8 playlist files of an import, one per playlist name, in one folder.
namespace korvida {

class PlaylistShelf {
public:
    explicit PlaylistShelf(std::string folder) : folder(std::move(folder)) {}

    const std::string& getFolder() const { return folder; }

    // Forgets what earlier runs read, so that the files are read afresh.
    void startRun() { playlists.clear(); }

    // Makes sure the playlist exists, created with its header when missing.
    void ensure(const std::string& name);

    // Adds the entry of `file` (a title line and its path relative to the folder), unless
    // the playlist held that path before this run. Within a run every call adds a line;
    // the run's lines follow the older ones in the order of their `rank`, and of their
    // adding where ranks are equal.
    void add(const std::string& name, const std::string& title, const std::string& file, std::size_t rank);

    // Writes every playlist changed since the last save, each whole: a temporary file that
    // is renamed over the old one. False when one could not be written.
    bool save();

    // The file that holds the playlist `name`.
    std::string fileOf(const std::string& name) const;

private:
    struct Entry {
        std::size_t rank;
        std::string lines;
    };
    struct Playlist {
        std::set<std::string> pathsBefore;
        std::string textBefore;
        std::vector<Entry> added;
        bool changed = false;
    };

    Playlist& open(const std::string& name);

    std::string folder;
    std::map<std::string, Playlist> playlists;
};

} // namespace korvida
