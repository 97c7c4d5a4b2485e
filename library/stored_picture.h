#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A picture the player keeps in one of its own thumbnail files (.ithmb): a tune's cover
// from the artwork database, or a photo kept only as the device's thumbnails. The file
// holds a frame of `frameWidth` × `frameHeight` pixels at `offset`; the picture proper is
// the rectangle of `width` × `height` at (`left`, `top`) inside it, the rest being the
// bars the player draws around it. Nothing is decoded until the picture is shown or copied.
struct StoredPicture {
    std::shared_ptr<const std::string> file; // shared by every picture of one .ithmb
    std::uint64_t offset = 0;
    std::uint32_t byteCount = 0;
    std::uint16_t frameWidth = 0;
    std::uint16_t frameHeight = 0;
    std::uint16_t left = 0;
    std::uint16_t top = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
};
