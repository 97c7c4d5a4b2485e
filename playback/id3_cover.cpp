#include "playback/id3_cover.h"

#include <algorithm>
#include <span>

#include "playback/id3_tag_header.h"

namespace korvida {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kFrontCover = 3;

// Tag header flags.
constexpr std::uint8_t kUnsynchronised = 0x80;
constexpr std::uint8_t kExtendedHeader = 0x40;
constexpr std::uint8_t kCompressedTag22 = 0x40;

// The second flag byte of a frame header, by version.
struct FrameFlags {
    std::uint8_t compressed;
    std::uint8_t encrypted;
    std::uint8_t grouped;
    std::uint8_t unsynchronised;
    std::uint8_t lengthGiven;
};
constexpr FrameFlags kFlags23{0x80, 0x40, 0x20, 0x00, 0x00};
constexpr FrameFlags kFlags24{0x08, 0x04, 0x40, 0x02, 0x01};

std::uint32_t bigEndian(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes)
        value = (value << 8) | byte;
    return value;
}

// Undoes unsynchronisation: every 0xFF 0x00 stands for 0xFF.
Bytes resynchronised(std::span<const std::uint8_t> bytes)
{
    Bytes out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == 0xff && i + 1 < bytes.size() && bytes[i + 1] == 0)
            ++i;
    }
    return out;
}

bool isFrameName(std::span<const std::uint8_t> name)
{
    return std::all_of(name.begin(), name.end(),
                       [](std::uint8_t c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

struct Picture {
    std::uint8_t type = 0;
    std::span<const std::uint8_t> bytes;
};

// A picture frame's body: text encoding, image format (3 bytes in version 2.2, a MIME type
// ended by 0 later), picture type, a description ended by 0 (by two zero bytes in the UTF-16
// encodings 1 and 2), then the picture.
std::optional<Picture> pictureOf(std::span<const std::uint8_t> body, int version)
{
    if (body.empty())
        return std::nullopt;
    const std::uint8_t encoding = body[0];
    std::size_t pos = 1;
    if (version == 2) {
        pos += 3;
    } else {
        const auto end = std::find(body.begin() + 1, body.end(), 0);
        pos = static_cast<std::size_t>(end - body.begin()) + 1;
    }
    if (pos >= body.size())
        return std::nullopt;
    Picture picture{body[pos++], {}};
    const bool wide = encoding == 1 || encoding == 2;
    while (pos < body.size()) {
        if (!wide && body[pos] == 0) {
            ++pos;
            break;
        }
        if (wide && pos + 1 < body.size() && body[pos] == 0 && body[pos + 1] == 0) {
            pos += 2;
            break;
        }
        pos += wide ? 2 : 1;
    }
    if (pos >= body.size())
        return std::nullopt;
    picture.bytes = body.subspan(pos);
    return picture;
}

// The frames of a tag's body (after its header, resynchronised where the whole tag is):
// the front cover, else the first picture.
std::optional<Bytes> coverInFrames(std::span<const std::uint8_t> body, int version, std::size_t start)
{
    const std::size_t headerLength = version == 2 ? 6 : 10;
    const std::size_t nameLength = version == 2 ? 3 : 4;
    const FrameFlags& flags = version == 4 ? kFlags24 : kFlags23;
    std::optional<Bytes> first;
    for (std::size_t pos = start; pos + headerLength <= body.size();) {
        const auto header = body.subspan(pos, headerLength);
        // A zero byte where a frame name should be begins the padding.
        if (!isFrameName(header.first(nameLength)))
            break;
        const std::uint32_t size = version == 2 ? bigEndian(header.subspan(3, 3))
            : version == 3                      ? bigEndian(header.subspan(4, 4))
                                                : syncsafeNumber(header.subspan(4, 4));
        if (size > body.size() - pos - headerLength)
            break;
        const auto frame = body.subspan(pos + headerLength, size);
        pos += headerLength + size;
        const bool picture = version == 2 ? std::equal(header.begin(), header.begin() + 3, "PIC")
                                          : std::equal(header.begin(), header.begin() + 4, "APIC");
        if (!picture)
            continue;
        const std::uint8_t format = version == 2 ? 0 : header[9];
        if ((format & (flags.compressed | flags.encrypted)) != 0)
            continue;
        const std::size_t skipped = ((format & flags.grouped) != 0 ? 1 : 0) +
            ((format & flags.lengthGiven) != 0 ? 4 : 0);
        if (skipped >= frame.size())
            continue;
        Bytes resynced;
        auto data = frame.subspan(skipped);
        if ((format & flags.unsynchronised) != 0) {
            resynced = resynchronised(data);
            data = resynced;
        }
        const auto found = pictureOf(data, version);
        if (!found || found->bytes.empty() || found->bytes.size() > kLargestCoverPicture)
            continue;
        if (found->type == kFrontCover)
            return Bytes(found->bytes.begin(), found->bytes.end());
        if (!first)
            first = Bytes(found->bytes.begin(), found->bytes.end());
    }
    return first;
}

} // namespace

std::optional<std::vector<std::uint8_t>> readId3Cover(const ByteSource& source)
{
    const auto header = readId3TagHeader(source);
    if (!header)
        return std::nullopt;
    const int version = header->version;
    const std::uint8_t tagFlags = header->flags;
    const std::uint64_t size = header->size;
    if (version < 2 || version > 4 || size > kLargestId3Tag || (version == 2 && (tagFlags & kCompressedTag22) != 0))
        return std::nullopt;
    Bytes body(
        std::min<std::uint64_t>(size, source.size() > kId3TagHeaderLength ? source.size() - kId3TagHeaderLength : 0));
    body.resize(source.read(kId3TagHeaderLength, body));
    if (version < 4 && (tagFlags & kUnsynchronised) != 0)
        body = resynchronised(body);
    std::size_t start = 0;
    if (version > 2 && (tagFlags & kExtendedHeader) != 0 && body.size() >= 4) {
        // Version 2.3 gives the extended header's size without its own 4 bytes, 2.4 with them.
        start = version == 3 ? bigEndian(std::span(body).first(4)) + 4u : syncsafeNumber(std::span(body).first(4));
    }
    return coverInFrames(body, version, start);
}

} // namespace korvida
