#pragma once

#include <algorithm>
#include <cstddef>

namespace korvida {

// How many items, or members of playlists and albums, a database of a given size can
// honestly hold. A damaged file can announce one every few bytes; a read makes at most one
// per so many bytes of the file, which keeps its memory below the file's size. What lies
// beyond the budget is not made, and the read says so.
class ItemBudget {
public:
    // A track or photo of a real player takes well over 384 bytes of its database (a track's
    // header, location, title and playlist entry alone take more; the leanest file we know
    // of, written by an old desktop library, spends 625 bytes a track, and a photo's records
    // with its thumbnails and its full-resolution place take over 500). Any file may hold a
    // few.
    static constexpr std::size_t kFileBytesPerItem = 384;
    static constexpr std::size_t kItemsOfAnyFile = 64;
    // A member is one pointer, and a member's record in a real file takes 40 bytes (an album
    // item) or more (a playlist item with its string record, 120): sixteen bytes pay for one,
    // which leaves room for short IDs that several photos share.
    static constexpr std::size_t kFileBytesPerMember = 16;

    static std::size_t itemsFor(std::size_t fileSize)
    {
        return std::max(kItemsOfAnyFile, fileSize / kFileBytesPerItem);
    }
    static ItemBudget forItems(std::size_t fileSize) { return ItemBudget(itemsFor(fileSize)); }
    static ItemBudget forMembers(std::size_t fileSize) { return ItemBudget(fileSize / kFileBytesPerMember); }

    // Takes from the budget, or says it is spent.
    bool take(std::size_t count = 1)
    {
        if (left < count) {
            spent = true;
            return false;
        }
        left -= count;
        return true;
    }
    // Whether something was refused.
    bool overrun() const { return spent; }

private:
    explicit ItemBudget(std::size_t allowed) : left(allowed) {}

    std::size_t left;
    bool spent = false;
};

} // namespace korvida
