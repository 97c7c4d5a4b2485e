#pragma once

#include <iosfwd>
#include <string>

struct Library;

namespace korvida::cli {

// The library as one JSON document on one line:
// {"device": ..., "items": [...], "playlists": [...]}. Playlist members are given as
// indexes into "items".
std::string libraryJson(const Library& library);

// The same document written to a stream as it is made.
void writeLibraryJson(const Library& library, std::ostream& out);

} // namespace korvida::cli
