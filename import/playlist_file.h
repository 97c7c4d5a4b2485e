#pragma once

#include <optional>
#include <string>

// Reading the M3U8 files an import finds in its playlist folder.
namespace korvida {

struct ExistingPlaylist {
    enum Kind {
        none,    // nothing there
        regular, // a regular file (or a link to one), read whole into `text`
        other,   // a folder, a pipe, a link to nothing, or a file that cannot be read
    };
    Kind kind = none;
    std::string text;
};

// What stands at `path`. It never waits: a pipe there is only looked at, not read.
ExistingPlaylist readExistingPlaylist(const std::string& path);

// The playlist whose file `text` is, from its "#PLAYLIST:" line; nothing without one.
std::optional<std::string> playlistNameIn(const std::string& text);

} // namespace korvida
