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

// The header lines that name the playlist `name` in its file: "#PLAYLIST:" and the name on one
// line (see replaceLineBreakers), which players show. A name that this line cannot hold
// exactly also gets a "#KORVIDA-PLAYLIST:" line with the name's control characters, "%" and
// every byte outside ASCII written as "%" and two hex digits, so that two names that differ
// only there never take each other's file.
std::string playlistNameLines(const std::string& name);

// The line among those that says whose the file is: the "#KORVIDA-PLAYLIST:" line where
// there is one, else the "#PLAYLIST:" line.
std::string playlistOwnerLine(const std::string& name);

// That line in a playlist file's `text`; nothing when it has neither.
std::optional<std::string> playlistOwnerIn(const std::string& text);

} // namespace korvida
