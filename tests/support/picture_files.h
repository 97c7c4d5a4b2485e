#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "picture/rgb_image.h"

// Readers of the picture files the program writes, so that tests can look at their pixels:
// an 8-bit RGB PNG and a baseline JPEG. An empty image when the file is not one.
korvida::RgbImage readPngFile(const std::filesystem::path& file);
korvida::RgbImage readJpegFile(const std::filesystem::path& file);

using Rgb = std::array<int, 3>;

// The pixel at (x, y).
Rgb pixelAt(const korvida::RgbImage& image, std::uint32_t x, std::uint32_t y);
// The colour in the middle of each quarter: top left, top right, bottom left, bottom right.
std::array<Rgb, 4> quarterColours(const korvida::RgbImage& image);
// "#20a040" as a colour.
Rgb colourOf(const std::string& hex);
// The largest difference of one channel.
int colourDistance(const Rgb& a, const Rgb& b);
