#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "devicedb/byte_view.h"

namespace korvida {

// Finds the next position at which a record (or a text with a fixed lead byte) starts. Searches are expected to move
// forward through the file, so the last answer is remembered: a search that starts between the last start and the last
// answer has the same answer, which keeps repeated searches over the same bytes linear.
class TagFinder {
public:
    using Match = bool (*)(ByteView data, std::size_t position);

    // Every record tag starts with "m"; patterns of texts give their own first byte. A finder
    // of where texts end may be given a reach: it then looks no further than that many bytes
    // from where a search starts, and gives the position there when it finds no record.
    TagFinder(ByteView data, Match match, std::uint8_t lead = 'm', std::size_t reach = SIZE_MAX)
        : data(data), match(match), lead(lead), reach(reach)
    {}

    // The first position at or after from where the record starts, or the data's size.
    std::size_t nextFrom(std::size_t from);

private:
    ByteView data;
    Match match;
    std::uint8_t lead;
    std::size_t reach;
    std::size_t lastFrom = 1;
    std::size_t lastFound = 0;
};

// The next position at or after from that holds the byte, or the data's size.
std::size_t nextByte(ByteView data, std::size_t from, std::uint8_t byte);

// Like nextByte, but looks no further than kLookAhead bytes: when the byte is not within
// them, the position at that distance is given, and the caller, which checks what it
// finds, searches on from there. A scan that walks the file with it touches its pages in
// order instead of running through the rest of a file that lacks the byte, so the pages
// behind the scan can be given back before those far ahead are read in.
std::size_t nextByteNear(ByteView data, std::size_t from, std::uint8_t byte);
constexpr std::size_t kLookAhead = std::size_t{1} << 20;

// How far a text of the file may run on at most. No real text comes near it, and a damaged
// file's texts end there without the search for their end running through the whole file.
constexpr std::size_t kTextReach = kLookAhead;

} // namespace korvida
