#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

class InMedia;

// The search of the media list: an item matches when its displayed name, its own name,
// artist, album or genre begins with the typed text, both lower-cased by the full Unicode mapping, or
// begins with it once both are also reduced to their base letters (accents ignored).
namespace korvida {

// The typed text, lower-cased and reduced to base letters once for the whole search.
struct SearchText {
    explicit SearchText(std::string_view typed);
    std::string lowered;
    std::string folded;
};

// Full Unicode lower-case mapping with no locale rules.
std::string lowerCased(std::string_view text);

// Whether a field begins with the typed text, ignoring case, and ignoring accents too.
bool beginsWithSearchText(std::string_view field, const SearchText& text);

// Whether the item's shown name (with its play and copy state), its own name, artist, album
// or genre begins with the typed text, ignoring case and accents.
bool searchMatches(const InMedia& media, const SearchText& text);

// The items of the source that match the typed text, ordered by album descending.
std::vector<InMedia*> searchResult(std::span<InMedia* const> source, std::string_view typed);

} // namespace korvida
