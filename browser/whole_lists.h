#pragma once

#include <span>
#include <vector>

#include "library/browser_rows.h"

class InMedia;

namespace korvida {

// What the browser shows with "All" chosen in every column depends on the type filter's
// items alone, and so does the list that an empty search gives: each is built once for a
// list of items and handed out again while the same player stays open. Only the fields a
// player's items never change (genre, artist, album, track) go into them. A new player, whose
// items may be where the old ones were, must be told with `forget`.
class WholeLists {
public:
    // The rows and items for "All" / "All" / "All" over `items` (a type filter's items).
    struct Browsed {
        std::vector<InMedia*> items;
        std::vector<Genere> generes;
        std::vector<Artist> artists;
        std::vector<Album> albums;
        std::vector<InMedia*> medias;
    };

    const Browsed& browsed(std::span<InMedia* const> items);

    // Every item of `source` in the search's order (an empty search text).
    const std::vector<InMedia*>& searchedForNothing(std::span<InMedia* const> source);

    void forget();

private:
    // One for each type filter used since the player was read.
    std::vector<Browsed> built;
    std::vector<InMedia*> searchSource;
    std::vector<InMedia*> searchOrder;
    bool searched = false;
};

} // namespace korvida
