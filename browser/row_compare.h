#pragma once

#include <string_view>

#include "library/browser_rows.h"

// Ascending and descending comparators of the browser rows: plain case-sensitive
// character order of their one string. Each returns -1 when the first row comes first,
// 0 when both are the same and +1 when the second comes first.
namespace korvida {

int compareGenreUp(const Genere& self, const Genere& other);
int compareGenreDown(const Genere& self, const Genere& other);
int compareArtistUp(const Artist& self, const Artist& other);
int compareArtistDown(const Artist& self, const Artist& other);
int compareAlbumtUp(const Album& self, const Album& other);
int compareAlbumtDown(const Album& self, const Album& other);

// -1, 0 or +1 by byte order of the UTF-8 texts, which is code point order.
int compareStrings(std::string_view first, std::string_view second);

} // namespace korvida
