#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvida::cli {

inline constexpr std::string_view kImportUsage =
    "korvida import DEVICE [--playlist NAME]... [--type music|movies|photos]... [--match TEXT]";

// "korvida import": imports items of the player folder DEVICE as the import sheet does:
// tunes into the user's Music folder as Artist/Album/07 Title.ext, films into Videos,
// photos into Pictures/Korvida, and the list of everything imported plus every --playlist as
// M3U8 files in Music/Playlists. The items are chosen as for "korvida export"; --type also
// says which of the two parts run. Exit statuses as "korvida export", and 1 when a playlist
// could not be written, 2 when one of the folders lies on the player.
int importCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace korvida::cli
