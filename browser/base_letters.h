#pragma once

#include <string>
#include <string_view>

// Text reduced to its base letters, so that a search can ignore accents.
namespace korvida {

// Marks are taken off their letters (é to e, å to a, the dot of i̇ to i), and the letters
// that carry their mark inside them are written as the plain letters they are read as
// (ø to o, æ to ae, ß to ss, ł to l). Case is left as it is.
std::string baseLetters(std::string_view text);

} // namespace korvida
