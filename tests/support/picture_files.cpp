#include "support/picture_files.h"

#include <zlib.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/jpeg_errors.h"

using korvida::RgbImage;

namespace {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t big32(const std::uint8_t* p)
{
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

bool decompress(const std::vector<std::uint8_t>& bytes, RgbImage& image)
{
    jpeg_decompress_struct info;
    korvida::JumpingJpegErrors errors;
    info.err = korvida::catchJpegErrors(errors);
    if (setjmp(errors.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = info.output_width;
    image.height = info.output_height;
    image.pixels.resize(std::size_t{image.width} * image.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW line = image.pixels.data() + std::size_t{info.output_scanline} * image.width * 3;
        jpeg_read_scanlines(&info, &line, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

RgbImage readPngFile(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = fileBytes(file);
    if (bytes.size() < 8 || bytes[0] != 0x89 || bytes[1] != 'P')
        return {};
    RgbImage image;
    std::vector<std::uint8_t> packed;
    for (std::size_t p = 8; p + 12 <= bytes.size();) {
        const std::uint32_t length = big32(&bytes[p]);
        if (p + 12 + length > bytes.size())
            return {};
        const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(p + 4),
                               bytes.begin() + static_cast<std::ptrdiff_t>(p + 8));
        const std::uint8_t* data = &bytes[p + 8];
        if (crc32(0, &bytes[p + 4], 4 + length) != big32(data + length))
            return {};
        if (type == "IHDR") {
            if (data[8] != 8 || data[9] != 2)
                return {};
            image.width = big32(data);
            image.height = big32(data + 4);
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        }
        p += 12 + length;
    }
    const std::size_t line = std::size_t{image.width} * 3;
    std::vector<std::uint8_t> filtered((line + 1) * image.height);
    uLongf size = filtered.size();
    if (uncompress(filtered.data(), &size, packed.data(), packed.size()) != Z_OK || size != filtered.size())
        return {};
    image.pixels.resize(line * image.height);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const std::uint8_t filter = filtered[y * (line + 1)];
        const std::uint8_t* in = &filtered[y * (line + 1) + 1];
        std::uint8_t* out = &image.pixels[y * line];
        const std::uint8_t* up = y > 0 ? out - line : nullptr;
        for (std::size_t i = 0; i < line; ++i) {
            const int a = i >= 3 ? out[i - 3] : 0, b = up ? up[i] : 0, c = up && i >= 3 ? up[i - 3] : 0;
            const int predicted = filter == 1 ? a
                : filter == 2                 ? b
                : filter == 3                 ? (a + b) / 2
                : filter == 4                 ? paeth(a, b, c)
                                              : 0;
            out[i] = static_cast<std::uint8_t>(in[i] + predicted);
        }
    }
    return image;
}

RgbImage readJpegFile(const std::filesystem::path& file)
{
    const std::vector<std::uint8_t> bytes = fileBytes(file);
    RgbImage image;
    if (bytes.empty() || !decompress(bytes, image))
        return {};
    return image;
}

Rgb pixelAt(const RgbImage& image, std::uint32_t x, std::uint32_t y)
{
    const std::uint8_t* p = &image.pixels[(std::size_t{y} * image.width + x) * 3];
    return {p[0], p[1], p[2]};
}

std::array<Rgb, 4> quarterColours(const RgbImage& image)
{
    const std::uint32_t left = image.width / 4, right = image.width * 3 / 4;
    const std::uint32_t top = image.height / 4, bottom = image.height * 3 / 4;
    return {pixelAt(image, left, top), pixelAt(image, right, top), pixelAt(image, left, bottom),
            pixelAt(image, right, bottom)};
}

Rgb colourOf(const std::string& hex)
{
    const long value = std::strtol(hex.c_str() + 1, nullptr, 16);
    return {static_cast<int>(value >> 16 & 255), static_cast<int>(value >> 8 & 255), static_cast<int>(value & 255)};
}

int colourDistance(const Rgb& a, const Rgb& b)
{
    int most = 0;
    for (std::size_t i = 0; i < 3; ++i)
        most = std::max(most, std::abs(a[i] - b[i]));
    return most;
}
