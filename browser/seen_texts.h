#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvida {

// The set of texts met so far while building a browser column: open addressing over
// views of texts that live elsewhere (in the items), so that adding one neither copies
// nor allocates per text.
class SeenTexts {
public:
    explicit SeenTexts(std::size_t expected = 16);

    // Adds the text; answers true when it was not in the set yet.
    bool insert(std::string_view text);
    std::size_t size() const { return count; }

private:
    struct Slot {
        std::uint64_t hash = 0; // 0 marks a free slot; real hashes are odd
        std::string_view text;
    };

    void grow();

    std::vector<Slot> slots;
    std::size_t count = 0;
};

} // namespace korvida
