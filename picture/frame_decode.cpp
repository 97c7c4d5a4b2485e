#include "picture/frame_decode.h"

#include <algorithm>
#include <cstdlib>

namespace korvida {

namespace {

std::uint8_t clampByte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// ITU-R BT.601 with studio range (Y from 16 to 235), as players write it.
void yuvToRgb(int y, int u, int v, std::uint8_t* out)
{
    const int luma = 298 * (y - 16) + 128;
    const int blue = u - 128;
    const int red = v - 128;
    out[0] = clampByte((luma + 409 * red) >> 8);
    out[1] = clampByte((luma - 100 * blue - 208 * red) >> 8);
    out[2] = clampByte((luma + 516 * blue) >> 8);
}

void rgb565ToRgb(unsigned value, std::uint8_t* out)
{
    const unsigned red = (value >> 11) & 31;
    const unsigned green = (value >> 5) & 63;
    const unsigned blue = value & 31;
    out[0] = static_cast<std::uint8_t>(red << 3 | red >> 2);
    out[1] = static_cast<std::uint8_t>(green << 2 | green >> 4);
    out[2] = static_cast<std::uint8_t>(blue << 3 | blue >> 2);
}

// The bytes a frame in the layout takes, or 0 when the layout cannot have that size.
std::size_t byteCountOf(PixelLayout layout, std::uint32_t width, std::uint32_t height)
{
    const std::size_t pixels = std::size_t{width} * height;
    switch (layout) {
    case PixelLayout::rgb565Little:
    case PixelLayout::rgb565Big: return 2 * pixels;
    case PixelLayout::uyvy: return width % 2 == 0 ? 2 * pixels : 0;
    case PixelLayout::yuv420Planar: return width % 2 == 0 && height % 2 == 0 ? pixels * 3 / 2 : 0;
    }
    return 0;
}

// The stored line that holds the picture's line y.
std::uint32_t storedLine(std::uint32_t y, std::uint32_t height, bool fieldsSplit)
{
    if (!fieldsSplit)
        return y;
    return y % 2 == 0 ? y / 2 : (height + 1) / 2 + y / 2;
}

// Decodes stored line `line` into `out`, three bytes a pixel. The byte count was checked.
void decodeLine(const std::uint8_t* bytes, std::uint32_t width, std::uint32_t height, PixelLayout layout,
                std::uint32_t line, std::uint8_t* out)
{
    switch (layout) {
    case PixelLayout::rgb565Little:
    case PixelLayout::rgb565Big: {
        const std::uint8_t* source = bytes + std::size_t{line} * width * 2;
        const bool little = layout == PixelLayout::rgb565Little;
        for (std::uint32_t x = 0; x < width; ++x, source += 2, out += 3)
            rgb565ToRgb(little ? source[0] | source[1] << 8 : source[0] << 8 | source[1], out);
        return;
    }
    case PixelLayout::uyvy: {
        const std::uint8_t* source = bytes + std::size_t{line} * width * 2;
        for (std::uint32_t x = 0; x < width; x += 2, source += 4, out += 6) {
            yuvToRgb(source[1], source[0], source[2], out);
            yuvToRgb(source[3], source[0], source[2], out + 3);
        }
        return;
    }
    case PixelLayout::yuv420Planar: {
        const std::size_t chromaWidth = width / 2;
        const std::uint8_t* luma = bytes + std::size_t{line} * width;
        const std::uint8_t* u = bytes + std::size_t{width} * height + (line / 2) * chromaWidth;
        const std::uint8_t* v = u + chromaWidth * (height / 2);
        for (std::uint32_t x = 0; x < width; ++x, out += 3)
            yuvToRgb(luma[x], u[x / 2], v[x / 2], out);
        return;
    }
    }
}

// How much neighbouring pixels differ along sampled pairs of stored lines.
std::uint64_t roughness(const std::uint8_t* bytes, std::uint32_t width, std::uint32_t height, PixelLayout layout)
{
    std::vector<std::uint8_t> upper(std::size_t{width} * 3);
    std::vector<std::uint8_t> lower(upper.size());
    const std::uint32_t step = std::max<std::uint32_t>(1, height / 48);
    std::uint64_t sum = 0;
    for (std::uint32_t y = 0; y + 1 < height; y += step) {
        decodeLine(bytes, width, height, layout, y, upper.data());
        decodeLine(bytes, width, height, layout, y + 1, lower.data());
        for (std::size_t i = 0; i < upper.size(); ++i) {
            sum += static_cast<std::uint64_t>(std::abs(upper[i] - lower[i]));
            if (i + 3 < upper.size())
                sum += static_cast<std::uint64_t>(std::abs(upper[i] - upper[i + 3]));
        }
    }
    return sum;
}

// The pixel layout whose sampled lines are smoothest, of those the bytes can hold.
PixelLayout guessPixels(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height)
{
    PixelLayout best = PixelLayout::rgb565Little;
    std::uint64_t bestRoughness = UINT64_MAX;
    for (PixelLayout pixels :
         {PixelLayout::rgb565Little, PixelLayout::uyvy, PixelLayout::rgb565Big, PixelLayout::yuv420Planar}) {
        const std::size_t expected = byteCountOf(pixels, width, height);
        if (expected == 0 || bytes.size() < expected)
            continue;
        const std::uint64_t rough = roughness(bytes.data(), width, height, pixels);
        if (rough < bestRoughness) {
            best = pixels;
            bestRoughness = rough;
        }
    }
    return best;
}

std::uint64_t lineDistance(const RgbImage& image, std::uint32_t a, std::uint32_t b)
{
    const std::size_t line = std::size_t{image.width} * 3;
    const std::uint8_t* first = image.pixels.data() + a * line;
    const std::uint8_t* second = image.pixels.data() + b * line;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < line; ++i)
        sum += static_cast<std::uint64_t>(std::abs(first[i] - second[i]));
    return sum;
}

// Whether a frame decoded line by line as stored holds its even lines first: then each
// stored line is closer to the one half a frame further on (its neighbour in the picture)
// than to the next stored line (two lines further in the picture).
bool fieldsLookSplit(const RgbImage& stored)
{
    const std::uint32_t half = (stored.height + 1) / 2;
    std::uint64_t toNext = 0;
    std::uint64_t toOtherField = 0;
    for (std::uint32_t y = 0; y + 1 < half && y + half < stored.height; ++y) {
        toNext += lineDistance(stored, y, y + 1);
        toOtherField += lineDistance(stored, y, y + half);
    }
    return toOtherField < toNext;
}

// The picture of a frame decoded line by line as stored, with its fields split.
RgbImage joinFields(const RgbImage& stored)
{
    const std::size_t line = std::size_t{stored.width} * 3;
    RgbImage picture{stored.width, stored.height, std::vector<std::uint8_t>(stored.pixels.size())};
    for (std::uint32_t y = 0; y < stored.height; ++y)
        std::copy_n(stored.pixels.begin() + static_cast<std::ptrdiff_t>(storedLine(y, stored.height, true) * line),
                    line, picture.pixels.begin() + static_cast<std::ptrdiff_t>(y * line));
    return picture;
}

} // namespace

RgbImage decodeFrame(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height, FrameLayout layout)
{
    const std::size_t expected = byteCountOf(layout.pixels, width, height);
    if (expected == 0 || bytes.size() < expected)
        return {};
    RgbImage image{width, height, std::vector<std::uint8_t>(std::size_t{width} * height * 3)};
    for (std::uint32_t y = 0; y < height; ++y)
        decodeLine(bytes.data(), width, height, layout.pixels, storedLine(y, height, layout.fieldsSplit),
                   image.pixels.data() + std::size_t{y} * width * 3);
    return image;
}

FrameLayout guessLayout(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height)
{
    const PixelLayout pixels = guessPixels(bytes, width, height);
    const RgbImage stored = decodeFrame(bytes, width, height, {pixels, false});
    return {pixels, !stored.empty() && fieldsLookSplit(stored)};
}

RgbImage decodeAnyFrame(std::span<const std::uint8_t> bytes, std::uint32_t width, std::uint32_t height)
{
    RgbImage stored = decodeFrame(bytes, width, height, {guessPixels(bytes, width, height), false});
    if (!stored.empty() && fieldsLookSplit(stored))
        return joinFields(stored);
    return stored;
}

RgbImage cropImage(RgbImage image, std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height)
{
    left = std::min(left, image.width);
    top = std::min(top, image.height);
    width = std::min(width, image.width - left);
    height = std::min(height, image.height - top);
    if (left == 0 && top == 0 && width == image.width && height == image.height)
        return image;
    RgbImage part{width, height, std::vector<std::uint8_t>(std::size_t{width} * height * 3)};
    for (std::uint32_t y = 0; y < height; ++y)
        std::copy_n(
            image.pixels.begin() + static_cast<std::ptrdiff_t>(((std::size_t{top} + y) * image.width + left) * 3),
            std::size_t{width} * 3, part.pixels.begin() + static_cast<std::ptrdiff_t>(std::size_t{y} * width * 3));
    return part;
}

} // namespace korvida
