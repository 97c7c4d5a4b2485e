#pragma once

#include <string>
#include <vector>

namespace korvida {

// The pieces of a colon-separated device text (":F00:ABCD.mp3" gives "", "F00", "ABCD.mp3").
std::vector<std::string> splitAtColons(const std::string& text);

// base followed by the pieces joined with "/". Device data must never name a file outside
// the device, so every component (a piece, or a part of a piece that holds "/") that is
// empty, "." or ".." is left out.
std::string pathInside(const std::string& base, const std::vector<std::string>& pieces);

} // namespace korvida
