#pragma once

#include <memory>
#include <span>
#include <string>

class InMedia;

// The line that tells how many tunes, movies and photos of the whole library are tagged.
namespace korvida {

// "%d tunes  %d movies  %d photos  TagGed", where a count of 0 leaves an empty text in
// its place, or the empty text when nothing is tagged.
std::string tagCountText(std::span<const std::unique_ptr<InMedia>> library);

} // namespace korvida
