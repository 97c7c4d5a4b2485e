#pragma once

#include <cstdint>
#include <vector>

#include "picture/rgb_image.h"

namespace korvida {

// The image as a PNG file (lossless, 8 bits a channel). Empty when the image is.
std::vector<std::uint8_t> encodePng(const RgbImage& image);

// The image as a JPEG file of good quality, as music players expect a folder's cover.
// Empty when the image is, or the encoder fails.
std::vector<std::uint8_t> encodeJpeg(const RgbImage& image);

} // namespace korvida
