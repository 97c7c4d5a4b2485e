#pragma once

#include <map>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "copy/destination_file_system.h"

// The M3U8 playlist files of an import, one per playlist, in one folder. The lines of a run
// are gathered in memory and each changed file is written once, when the run ends.
namespace korvida {

// A playlist file that could not be written, and why.
struct PlaylistProblem {
    std::string file;
    std::error_code error;
};

class PlaylistShelf {
public:
    // The name of the list of everything imported; its file is kept for it alone.
    static constexpr const char* kCollectionFile = "Korvida.m3u8";

    PlaylistShelf(std::string folder, DestinationFileSystem& fileSystem)
        : folder(std::move(folder)), fileSystem(fileSystem)
    {}

    const std::string& getFolder() const { return folder; }

    // Forgets what earlier runs gathered, so that the files are read afresh.
    void startRun();

    // Adds the entry of `file` (a title line and its path relative to the folder) to the
    // list of everything imported, or to the player playlist `name`, unless that list held
    // the path before this run. Within a run every call adds a line; the run's lines follow
    // the older ones in the order of their `rank`, and of their adding where ranks are equal.
    void addToCollection(const std::string& title, const std::string& file);
    void add(const std::string& name, const std::string& title, const std::string& file, std::size_t rank);

    // Writes every playlist that got lines since the last save, each whole and once;
    // answers those that could not be written. A playlist that got no line is not made.
    std::vector<PlaylistProblem> save();

private:
    struct Entry {
        std::size_t rank;
        std::string lines;
    };
    struct Playlist {
        std::string file;
        std::set<std::string> pathsBefore;
        std::string textBefore;
        std::vector<Entry> added;
        // Set when the file cannot be read or written: nothing is added, the save reports it.
        std::error_code problem;
    };

    // The playlist of `key` (empty: the collection), its file found on first use.
    Playlist& open(const std::string& key, const std::string& name);
    void addTo(Playlist& playlist, const std::string& title, const std::string& file, std::size_t rank);
    // The file of the player playlist `name`: its own name, numbered past files that belong
    // to other playlists or that are not playlist files at all.
    std::string fileFor(const std::string& name);

    std::string folder;
    DestinationFileSystem& fileSystem;
    std::error_code folderProblem;
    bool folderMade = false;
    std::map<std::string, Playlist> playlists;
    std::set<std::string> filesTaken;
};

} // namespace korvida
