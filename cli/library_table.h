#pragma once

#include <iosfwd>
#include <string>

struct Library;

namespace korvida::cli {

// Prints the library for a person: a line about the device, a table of the items (kind,
// title, artist, album, genre, track, file) and the playlists with their member counts.
// Files are shown relative to the device folder `iPodPath`.
void printLibraryTable(const Library& library, const std::string& iPodPath, std::ostream& out);

} // namespace korvida::cli
