#pragma once

#include <cstdint>
#include <span>

#include "picture/rgb_image.h"

namespace korvida {

// How players store the pixels of a thumbnail frame.
enum class PixelLayout {
    rgb565Little, // 2 bytes a pixel: red 5, green 6, blue 5 bits, low byte first
    rgb565Big,    // the same, high byte first
    uyvy,         // 2 bytes a pixel: YUV 4:2:2 interleaved, U Y0 V Y1 for each pair of pixels
    yuv420Planar, // 1.5 bytes a pixel: the Y plane, then the U and the V plane at half size
};

struct FrameLayout {
    PixelLayout pixels = PixelLayout::rgb565Little;
    // Pictures meant for a television hold the even lines first, then the odd ones.
    bool fieldsSplit = false;
};

// Decodes a frame of `width` × `height` pixels whose bytes are in `layout`. Bytes beyond
// the frame are left alone: some models keep a 4:2:0 frame in a slot of 2 bytes a pixel.
// Gives an empty image when the bytes are too few for the layout and size.
RgbImage decodeFrame(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height,
                     FrameLayout layout);

// The layout of a frame's bytes. Of the pixel layouts the bytes can hold (the two-byte
// ones need 2 bytes a pixel), it is the one whose lines are smoothest, since a frame read
// in a wrong layout turns to noise; a tie (a plain colour) goes to little-endian RGB
// 5-6-5. The lines are split when each stored line of the first half is closer to the
// line half a frame further on than to the next one.
FrameLayout guessLayout(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height);

// decodeFrame in the layout guessLayout finds, decoding the frame once.
RgbImage decodeAnyFrame(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height);

// The part of `image` of `width` × `height` at (`left`, `top`), clipped to the image.
RgbImage cropImage(RgbImage image, std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height);

} // namespace korvida
