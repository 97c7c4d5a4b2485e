#include "browser/seen_texts.h"

#include <bit>

namespace korvida {
namespace {

// FNV-1a, made odd so that no text hashes to the free-slot mark.
std::uint64_t hashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash | 1u;
}

} // namespace

SeenTexts::SeenTexts(std::size_t expected) : slots(std::bit_ceil(std::max<std::size_t>(expected * 2, 16)))
{}

bool SeenTexts::insert(std::string_view text)
{
    if ((count + 1) * 2 > slots.size())
        grow();
    const std::uint64_t hash = hashOf(text);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(hash >> 7) & mask;; i = (i + 1) & mask) {
        Slot& slot = slots[i];
        if (slot.hash == 0) {
            slot = {hash, texts.size(), text.size()};
            texts.append(text);
            ++count;
            return true;
        }
        if (slot.hash == hash && textOf(slot) == text)
            return false;
    }
}

void SeenTexts::grow()
{
    std::vector<Slot> old(slots.size() * 2);
    old.swap(slots);
    const std::size_t mask = slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.hash == 0)
            continue;
        std::size_t i = static_cast<std::size_t>(slot.hash >> 7) & mask;
        while (slots[i].hash != 0)
            i = (i + 1) & mask;
        slots[i] = slot;
    }
}

} // namespace korvida
