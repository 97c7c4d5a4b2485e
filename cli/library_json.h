#pragma once

#include <string>

struct Library;

namespace korvida::cli {

// The library as one JSON document on one line:
// {"device": ..., "items": [...], "playlists": [...]}. Playlist members are given as
// indexes into "items".
std::string libraryJson(const Library& library);

}  // namespace korvida::cli
