#include "devicedb/thumbnail_scan.h"

#include <filesystem>

#include "devicedb/device_path.h"

namespace korvida {

namespace {

// No player draws a thumbnail wider or taller than a television frame by much.
constexpr std::uint32_t kMaxSide = 4096;
constexpr std::size_t kMaxFiles = 256;
constexpr std::size_t kMaxNameBytes = 512;

std::uint16_t le16At(ByteView data, std::size_t position)
{
    if (!fits(data, position, 2))
        return 0;
    return static_cast<std::uint16_t>(data[position] | data[position + 1] << 8);
}

// The frame holds 2 bytes a pixel (RGB 5-6-5 or YUV 4:2:2) or 1.5 (YUV 4:2:0 planar, on
// even sides only).
bool byteCountFits(std::uint64_t byteCount, std::uint32_t width, std::uint32_t height)
{
    const std::uint64_t pixels = std::uint64_t{width} * height;
    return byteCount == 2 * pixels || (width % 2 == 0 && height % 2 == 0 && byteCount == pixels * 3 / 2);
}

// A file name such as ":F1029_1.ithmb" or ":Thumbs:F1019_1.ithmb", in UTF-16LE (encoding 2)
// or single bytes. Only letters, digits, "_", "." and ":" may appear; pathInside keeps the
// pieces between the colons inside the folder.
std::optional<std::string> fileNameAt(ByteView data, std::size_t p)
{
    const std::uint32_t length = le32At(data, p + 24);
    const bool wide = le32At(data, p + 28) == 2;
    if (length == 0 || length > kMaxNameBytes || !fits(data, p + 36, length))
        return std::nullopt;
    std::string name;
    const std::size_t step = wide ? 2 : 1;
    for (std::size_t i = 0; i + step <= length; i += step) {
        const std::uint8_t c = data[p + 36 + i];
        if (wide && data[p + 37 + i] != 0)
            return std::nullopt;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
            c == '.' || c == ':';
        if (!plain)
            return std::nullopt;
        name += static_cast<char>(c);
    }
    return name;
}

} // namespace

void ThumbnailScan::startImage()
{
    pending.reset();
    best.reset();
}

void ThumbnailScan::thumbnailHeader(ByteView data, std::size_t p)
{
    pending.reset();
    if (!fits(data, p, 36))
        return;
    const auto pad = [&](std::size_t at) {
        return static_cast<std::int16_t>(le16At(data, p + at));
    };
    const std::uint32_t height = le16At(data, p + 32);
    const std::uint32_t width = le16At(data, p + 34);
    // The picture lies between the padding and the given width and height; the frame
    // stored is as much larger as the padding.
    const std::uint32_t top = static_cast<std::uint32_t>(std::max<std::int16_t>(pad(28), 0));
    const std::uint32_t left = static_cast<std::uint32_t>(std::max<std::int16_t>(pad(30), 0));
    const std::uint32_t frameWidth = width + left;
    const std::uint32_t frameHeight = height + top;
    const std::uint32_t byteCount = le32At(data, p + 24);
    if (width == 0 || height == 0 || frameWidth > kMaxSide || frameHeight > kMaxSide ||
        !byteCountFits(byteCount, frameWidth, frameHeight))
        return;
    StoredPicture picture;
    picture.offset = le32At(data, p + 20);
    picture.byteCount = byteCount;
    picture.frameWidth = static_cast<std::uint16_t>(frameWidth);
    picture.frameHeight = static_cast<std::uint16_t>(frameHeight);
    const bool padded = left < width && top < height;
    picture.left = static_cast<std::uint16_t>(padded ? left : 0);
    picture.top = static_cast<std::uint16_t>(padded ? top : 0);
    picture.width = static_cast<std::uint16_t>(padded ? width - left : frameWidth);
    picture.height = static_cast<std::uint16_t>(padded ? height - top : frameHeight);
    pending = picture;
}

void ThumbnailScan::fileNameRecord(ByteView data, std::size_t p)
{
    if (!byteIs(data, p, 12, 3) || !byteIs(data, p, 13, 0))
        return;
    const std::optional<std::string> name = fileNameAt(data, p);
    if (!name)
        return;
    const KnownFile* file = fileNamed(*name);
    if (!pending || !file || !file->size || pending->offset + std::uint64_t{pending->byteCount} > *file->size) {
        pending.reset();
        return;
    }
    pending->file = file->path;
    const auto area = [](const StoredPicture& picture) {
        return std::uint32_t{picture.width} * picture.height;
    };
    if (!best || area(*pending) > area(*best))
        best = std::move(pending);
    pending.reset();
}

const ThumbnailScan::KnownFile* ThumbnailScan::fileNamed(const std::string& relative)
{
    if (const auto known = files.find(relative); known != files.end())
        return &known->second;
    if (files.size() >= kMaxFiles)
        return nullptr;
    KnownFile file{std::make_shared<const std::string>(pathInside(folder, splitAtColons(relative))), std::nullopt};
    std::error_code error;
    if (std::filesystem::is_regular_file(*file.path, error)) {
        const std::uintmax_t size = std::filesystem::file_size(*file.path, error);
        if (!error)
            file.size = size;
    }
    return &files.emplace(relative, std::move(file)).first->second;
}

} // namespace korvida
