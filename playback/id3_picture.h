#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "playback/byte_source.h"

namespace korvida {

// Where the embedded picture of an ID3 version 2.2 or 2.3 tag lies. The tag is scanned in
// 8192-byte chunks (each read 512 bytes longer, so that a match at a chunk's end is seen
// whole) for the first "PIC", the last letters of "APIC" in version 2.3; the picture starts at
// a fixed offset from there, one byte later when that byte ends an empty description. The
// scan ends with the tag, however long the file.
struct PictureSpan {
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// The picture ends with the frame the match belongs to: a match whose frame does not lie
// whole inside the tag and the file (a frame size past the end), or whose frame is
// compressed or encrypted, gives nothing.
std::optional<PictureSpan> findId3Picture(const ByteSource& source);

// The largest picture read as a cover: no cover needs more, and a larger one would only
// cost memory.
constexpr std::uint64_t kLargestCoverPicture = 16u << 20;

// The picture's bytes, or nothing; nothing too for a picture larger than
// `kLargestCoverPicture`.
std::optional<std::vector<std::uint8_t>> readId3Picture(const ByteSource& source);

} // namespace korvida
