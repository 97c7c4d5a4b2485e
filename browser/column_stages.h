#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "library/browser_rows.h"

class InMedia;

// The three stages of a click in the browser columns: the genre choice decides the
// artist rows, genre and artist decide the album rows, and all three decide the media list.
namespace korvida {

// Genre stage: row 0 ("All") keeps every item, any other row the items of that genre.
bool passesGenreChoice(const InMedia& media, int genreRow, std::string_view genre);

// Artist stage: the rows decide, not the strings, so a real genre called "All" below
// the first row still restricts.
bool passesArtistChoice(const InMedia& media, int genreRow, std::string_view genre, int artistRow,
                        std::string_view artist);

// Album stage: a selected string "All" places no restriction at its level.
bool passesAlbumChoice(const InMedia& media, std::string_view genre, std::string_view artist, std::string_view album);

std::vector<Artist> artistRowsFor(std::span<InMedia* const> allMedias, int genreRow, std::string_view genre);
std::vector<Album> albumRowsFor(std::span<InMedia* const> allMedias, int genreRow, std::string_view genre,
                                int artistRow, std::string_view artist);

// The media list of the three selected strings, ordered by artist, album and track number.
std::vector<InMedia*> mediasForChoice(std::span<InMedia* const> allMedias, std::string_view genre,
                                      std::string_view artist, std::string_view album);

// The item count text under the media table.
std::string filesCountText(std::size_t count);

} // namespace korvida
