#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvida {

// The set of texts met so far while building a browser column: open addressing over one
// text holding each distinct value once, so that looking a value up reads memory that
// lies together rather than the item the value was first met in.
class SeenTexts {
public:
    explicit SeenTexts(std::size_t expected = 16);

    // Adds the text; answers true when it was not in the set yet.
    bool insert(std::string_view text);
    std::size_t size() const { return count; }

private:
    struct Slot {
        std::uint64_t hash = 0; // 0 marks a free slot; real hashes are odd
        std::size_t start = 0;
        std::size_t size = 0;
    };

    void grow();
    std::string_view textOf(const Slot& slot) const { return std::string_view(texts).substr(slot.start, slot.size); }

    std::vector<Slot> slots;
    std::string texts;
    std::size_t count = 0;
};

} // namespace korvida
