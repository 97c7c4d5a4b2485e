#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "playback/cover_lookup.h"

namespace korvida::qt {

// The most bytes TagLib may read of one file while it looks for a cover; a file that would
// need more gives none.
constexpr std::uint64_t kTagLibraryReadLimit = 32u << 20;

// The first cover picture of an AAC/M4A tune file's tags, read with TagLib from the file as
// the cover lookup opened it: a cover source for the tunes the program's own ID3 reading
// leaves alone. Nothing for other files.
std::optional<std::vector<std::uint8_t>> mp4Cover(const CoverRequest& request, const ByteSource& file);

} // namespace korvida::qt
