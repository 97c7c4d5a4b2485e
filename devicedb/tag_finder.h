#pragma once

#include <cstddef>
#include <string_view>

#include "devicedb/byte_view.h"

namespace korvida {

// Finds the next position at which a record (or a text with a fixed lead byte) starts. Searches are expected to move
// forward through the file, so the last answer is remembered: a search that starts between the last start and the last
// answer has the same answer, which keeps repeated searches over the same bytes linear.
class TagFinder {
public:
    using Match = bool (*)(ByteView data, std::size_t position);

    // Every record tag starts with "m"; patterns of texts give their own first byte.
    TagFinder(ByteView data, Match match, std::uint8_t lead = 'm') : data(data), match(match), lead(lead) {}

    // The first position at or after from where the record starts, or the data's size.
    std::size_t nextFrom(std::size_t from);

private:
    ByteView data;
    Match match;
    std::uint8_t lead;
    std::size_t lastFrom = 1;
    std::size_t lastFound = 0;
};

// The next position at or after from that holds the byte, or the data's size.
std::size_t nextByte(ByteView data, std::size_t from, std::uint8_t byte);

} // namespace korvida
