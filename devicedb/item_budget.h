#pragma once

#include <algorithm>
#include <cstddef>

namespace korvida {

// How many items a database of a given size can honestly hold. A track or photo of a real
// player takes well over 384 bytes of its database (a track's header, location, title and
// playlist entry alone take more; the leanest file we know of, written by an old desktop
// library, spends 625 bytes a track, and a photo's records with its thumbnails and its
// full-resolution place take over 500), while a damaged file can announce an item every few
// bytes. A read makes at most one item per kFileBytesPerItem bytes, which keeps its memory
// below the file's size, and any file a few items; the items beyond are not made.
class ItemBudget {
public:
    static constexpr std::size_t kFileBytesPerItem = 384;
    static constexpr std::size_t kItemsOfAnyFile = 64;

    static std::size_t itemsFor(std::size_t fileSize)
    {
        return std::max(kItemsOfAnyFile, fileSize / kFileBytesPerItem);
    }

    explicit ItemBudget(std::size_t fileSize) : left(itemsFor(fileSize)) {}

    // Takes items from the budget, or says it is spent.
    bool take(std::size_t items = 1)
    {
        if (left < items) {
            spent = true;
            return false;
        }
        left -= items;
        return true;
    }
    // Whether an item was refused.
    bool overrun() const { return spent; }

private:
    std::size_t left;
    bool spent = false;
};

} // namespace korvida
