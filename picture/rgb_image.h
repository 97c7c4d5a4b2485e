#pragma once

#include <cstdint>
#include <vector>

namespace korvida {

// A decoded picture: rows from the top, three bytes (red, green, blue) a pixel.
struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;

    bool empty() const { return pixels.empty(); }
};

} // namespace korvida
