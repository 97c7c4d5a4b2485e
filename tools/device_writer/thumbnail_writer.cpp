#include <algorithm>
#include <cmath>

#include "tools/device_writer/device_writer.h"
#include "tools/device_writer/record_bytes.h"
#include "tools/device_writer/thumbnail_records.h"

namespace korvida::devicewriter {

namespace {

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// ITU-R BT.601, studio range.
struct Yuv {
    double y, u, v;
};
Yuv yuvOf(const std::uint8_t* rgb)
{
    const double r = rgb[0], g = rgb[1], b = rgb[2];
    return {16 + (65.481 * r + 128.553 * g + 24.966 * b) / 255, 128 + (-37.797 * r - 74.203 * g + 112.0 * b) / 255,
            128 + (112.0 * r - 93.786 * g - 18.214 * b) / 255};
}

// The lines in the order they are stored: with split fields the even lines, then the odd.
Bytes storedOrder(const Bytes& rgb, std::uint32_t width, std::uint32_t height, bool fieldsSplit)
{
    if (!fieldsSplit)
        return rgb;
    Bytes stored;
    const std::size_t line = std::size_t{width} * 3;
    for (std::uint32_t first : {0u, 1u})
        for (std::uint32_t y = first; y < height; y += 2)
            stored.insert(stored.end(), rgb.begin() + static_cast<std::ptrdiff_t>(y * line),
                          rgb.begin() + static_cast<std::ptrdiff_t>((y + 1) * line));
    return stored;
}

Bytes& fileNamed(ThumbnailFiles& files, const std::string& name)
{
    for (auto& [fileName, bytes] : files)
        if (fileName == name)
            return bytes;
    return files.emplace_back(name, Bytes{}).second;
}

} // namespace

Bytes encodeFrame(const Bytes& picture, std::uint32_t width, std::uint32_t height, Pixels pixels, bool fieldsSplit)
{
    const Bytes rgb = storedOrder(picture, width, height, fieldsSplit);
    const auto at = [&](std::uint32_t x, std::uint32_t y) {
        return rgb.data() + (std::size_t{y} * width + x) * 3;
    };
    Bytes out;
    switch (pixels) {
    case Pixels::rgb565Little:
    case Pixels::rgb565Big:
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x) {
                const std::uint8_t* p = at(x, y);
                const unsigned value = (p[0] >> 3) << 11 | (p[1] >> 2) << 5 | p[2] >> 3;
                const auto low = static_cast<std::uint8_t>(value), high = static_cast<std::uint8_t>(value >> 8);
                if (pixels == Pixels::rgb565Little)
                    out.insert(out.end(), {low, high});
                else
                    out.insert(out.end(), {high, low});
            }
        break;
    case Pixels::uyvy:
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x + 1 < width; x += 2) {
                const Yuv a = yuvOf(at(x, y)), b = yuvOf(at(x + 1, y));
                out.insert(out.end(), {toByte((a.u + b.u) / 2), toByte(a.y), toByte((a.v + b.v) / 2), toByte(b.y)});
            }
        break;
    case Pixels::yuv420Planar: {
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x)
                out.push_back(toByte(yuvOf(at(x, y)).y));
        for (const bool blue : {true, false})
            for (std::uint32_t y = 0; y + 1 < height; y += 2)
                for (std::uint32_t x = 0; x + 1 < width; x += 2) {
                    double sum = 0;
                    for (const std::uint8_t* p : {at(x, y), at(x + 1, y), at(x, y + 1), at(x + 1, y + 1)})
                        sum += blue ? yuvOf(p).u : yuvOf(p).v;
                    out.push_back(toByte(sum / 4));
                }
        break;
    }
    }
    return out;
}

Bytes thumbnailContainer(const Thumbnail& thumbnail, ThumbnailFiles* files)
{
    const std::uint32_t frameWidth = thumbnail.width + 2u * thumbnail.sideBar;
    const std::uint32_t frameHeight = thumbnail.height + 2u * thumbnail.topBar;
    Bytes frame(std::size_t{frameWidth} * frameHeight * 3, 0);
    for (std::uint32_t y = 0; y < thumbnail.height && !thumbnail.rgb.empty(); ++y)
        std::copy_n(thumbnail.rgb.begin() + static_cast<std::ptrdiff_t>(std::size_t{y} * thumbnail.width * 3),
                    std::size_t{thumbnail.width} * 3,
                    frame.begin() +
                        static_cast<std::ptrdiff_t>(
                            ((y + thumbnail.topBar) * std::size_t{frameWidth} + thumbnail.sideBar) * 3));
    const Bytes stored = encodeFrame(frame, frameWidth, frameHeight, thumbnail.pixels, thumbnail.fieldsSplit);
    std::uint32_t offset = 0;
    if (files != nullptr) {
        Bytes& file = fileNamed(*files, thumbnail.file);
        offset = static_cast<std::uint32_t>(file.size());
        file.insert(file.end(), stored.begin(), stored.end());
    }
    const Bytes image = Record("mhni", 76)
                            .set32(12, 1)
                            .set32(16, thumbnail.formatId)
                            .set32(20, offset)
                            .set32(24, static_cast<std::uint32_t>(stored.size()))
                            .set16(28, thumbnail.topBar)
                            .set16(30, thumbnail.sideBar)
                            .set16(32, static_cast<std::uint16_t>(thumbnail.height + thumbnail.topBar))
                            .set16(34, static_cast<std::uint16_t>(thumbnail.width + thumbnail.sideBar))
                            .append(photoUtf16StringRecord(3, thumbnail.file))
                            .finish();
    return Record("mhod", 24).set16(12, 2).append(image).finish();
}

Bytes artworkDB(const std::vector<Artwork>& images, ThumbnailFiles& files)
{
    std::vector<Bytes> records;
    for (const Artwork& artwork : images) {
        Record record("mhii", 152);
        record.set32(12, static_cast<std::uint32_t>(artwork.thumbnails.size())).set32(16, artwork.id);
        for (const Thumbnail& thumbnail : artwork.thumbnails)
            record.append(thumbnailContainer(thumbnail, &files));
        records.push_back(record.finish());
    }
    const Bytes sections = concat({sectionRecord(1, listRecord("mhli", records.size(), records)),
                                   sectionRecord(2, listRecord("mhla", 0, {})),
                                   sectionRecord(3, listRecord("mhlf", 0, {}))});
    return Record("mhfd", 132).set32(16, 1).set32(20, 3).set32(48, 2).append(sections).finish();
}

} // namespace korvida::devicewriter
