#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

class InMedia;

// The search of the media list: an item matches when its displayed name, artist, album
// or genre begins with the typed text, both lower-cased by the full Unicode mapping.
namespace korvida {

// Full Unicode lower-case mapping with no locale rules.
std::string lowerCased(std::string_view text);

// Whether the lower-cased field begins with the already lower-cased prefix.
bool beginsWithLowerCased(std::string_view field, std::string_view loweredPrefix);

bool searchMatches(const InMedia& media, std::string_view loweredText);

// The items of the source that match the typed text, ordered by album descending.
std::vector<InMedia*> searchResult(std::span<InMedia* const> source, std::string_view typed);

} // namespace korvida
