#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "playback/byte_source.h"

namespace korvida {

// The 10 bytes that open an ID3 version 2 tag: "ID3", the major version and its revision,
// the flags, and the size of the tag after this header (without a footer) as a syncsafe
// number.
constexpr std::size_t kId3TagHeaderLength = 10;

struct Id3TagHeader {
    int version = 0;
    std::uint8_t flags = 0;
    std::uint32_t size = 0;
};

// The header at the start of `source`, or nothing when the file does not start with "ID3"
// or is shorter than a header. The version is given as it stands, known or not.
std::optional<Id3TagHeader> readId3TagHeader(const ByteSource& source);

// A syncsafe number: 7 bits a byte, the high bit of each byte ignored, most significant first.
std::uint32_t syncsafeNumber(std::span<const std::uint8_t> bytes);

} // namespace korvida
