#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "playback/byte_source.h"
#include "playback/id3_picture.h"

namespace korvida {

// The largest ID3 tag read frame by frame; a larger one is not read at all. A picture found
// in it is no larger than `kLargestCoverPicture`.
constexpr std::uint64_t kLargestId3Tag = 32u << 20;

// The cover of the ID3 tag (version 2.2, 2.3 or 2.4) at the start of a tune file, read frame
// by frame as a tag library reads it: the front cover, else the first picture. Only the tag
// is read. Picture frames that are compressed or encrypted are skipped: their bytes are no
// picture as they stand, and a compressed frame may inflate a thousandfold (a small tag can
// hide gigabytes).
std::optional<std::vector<std::uint8_t>> readId3Cover(const ByteSource& source);

} // namespace korvida
