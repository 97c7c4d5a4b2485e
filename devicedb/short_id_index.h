#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace korvida {

// The items of a read by short ID, in the order they were added: finds the first item
// with a short ID, or all of them, without a linear search of the library.
class ShortIdIndex {
public:
    static constexpr std::uint32_t kNone = UINT32_MAX;

    void add(std::uint16_t shortId, std::uint32_t item);
    // Items are kept one up, so that zero-filled tables mean "none" and kNone comes back
    // as the zero one down.
    std::uint32_t first(std::uint16_t shortId) const { return heads ? heads[shortId] - 1 : kNone; }
    std::uint32_t next(std::uint32_t item) const { return item < following.size() ? following[item] - 1 : kNone; }

private:
    std::unique_ptr<std::uint32_t[]> heads; // first item of each short ID, made at the first add
    std::unique_ptr<std::uint32_t[]> tails; // last item of each short ID
    std::vector<std::uint32_t> following;   // next item with the same short ID, by item
};

} // namespace korvida
