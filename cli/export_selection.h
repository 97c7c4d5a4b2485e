#pragma once

#include <optional>
#include <set>
#include <string>

#include "library/library.h"

namespace korvida::cli {

// Which items "korvida export" copies: every item, narrowed by kind, by playlist and by the
// search field's prefix rule. Every narrowing that is given must hold.
struct ExportChoice {
    std::set<int> mediaTypes; // empty: every kind
    std::optional<std::string> playlist;
    std::optional<std::string> match;
};

// Tags the chosen items and untags all others, as a user would before pressing Copy.
// Returns the number tagged, or nothing when the playlist is not on the player.
std::optional<std::size_t> tagChosenItems(const Library& library, const ExportChoice& choice);

} // namespace korvida::cli
