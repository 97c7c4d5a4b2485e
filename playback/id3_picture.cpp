#include "playback/id3_picture.h"

#include <algorithm>
#include <array>

#include "playback/id3_tag_header.h"

namespace korvida {

namespace {

constexpr std::uint64_t kChunk = 8192;
constexpr std::uint64_t kOverlap = 512;
// The format flags of a version 2.3 frame header's second flag byte.
constexpr std::uint8_t kCompressed23 = 0x80;
constexpr std::uint8_t kEncrypted23 = 0x40;

struct TagHeader {
    int version = 0;
    // The end of the tag: its header, its frames and a footer when the flags say there is one.
    std::uint64_t end = 0;
};

std::optional<TagHeader> readHeader(const ByteSource& source)
{
    const auto header = readId3TagHeader(source);
    if (!header)
        return std::nullopt;
    const bool footer = (header->flags & 0x10) != 0;
    return TagHeader{header->version, kId3TagHeaderLength + header->size + (footer ? kId3TagHeaderLength : 0)};
}

// The file offset of the byte before the first "PIC" of the first `total` bytes, or nothing.
std::optional<std::uint64_t> findMatch(const ByteSource& source, std::uint64_t total)
{
    const std::uint64_t chunk = total < kChunk ? total : kChunk;
    std::vector<std::uint8_t> data(chunk + kOverlap);
    for (std::uint64_t pos = 0; chunk > 0 && pos < total; pos += chunk) {
        const std::size_t got = std::min<std::uint64_t>(source.read(pos, data), total - pos);
        for (std::size_t b = 0; b < chunk && b + 3 < got; ++b) {
            if (data[b + 1] == 'P' && data[b + 2] == 'I' && data[b + 3] == 'C')
                return pos + b;
        }
    }
    return std::nullopt;
}

std::uint64_t bigEndian(const std::uint8_t* bytes, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

// Where the frame of a match ends, from its size field: version 2.2 frames start after the
// matched byte with a 3-byte name and a 3-byte size, version 2.3 frames at the match with a
// 4-byte name, a 4-byte size and 2 flag bytes. A version 2.3 frame flagged compressed or
// encrypted holds no picture as it stands, and gives nothing.
std::optional<std::uint64_t> frameEnd(const ByteSource& source, int version, std::uint64_t match)
{
    const std::uint64_t start = version == 2 ? match + 1 : match;
    const std::size_t nameLength = version == 2 ? 3 : 4;
    const std::size_t fieldsLength = version == 2 ? 3 : 6;
    const std::uint64_t headerLength = version == 2 ? 6 : 10;
    std::array<std::uint8_t, 6> fields{};
    if (source.read(start + nameLength, std::span(fields.data(), fieldsLength)) != fieldsLength)
        return std::nullopt;
    if (version == 3 && (fields[5] & (kCompressed23 | kEncrypted23)) != 0)
        return std::nullopt;
    return start + headerLength + bigEndian(fields.data(), version == 2 ? 3 : 4);
}

} // namespace

std::optional<PictureSpan> findId3Picture(const ByteSource& source)
{
    const auto header = readHeader(source);
    if (!header)
        return std::nullopt;
    const std::uint64_t tagAdd = header->version == 2 ? 12 : header->version == 3 ? 23 : 0;
    if (tagAdd == 0)
        return std::nullopt;
    // Only the tag is searched: the letters in the audio data are no frame, and a large file
    // is not read to its end.
    const auto match = findMatch(source, std::min(header->end, source.size()));
    // Frames begin after the header: version 2.2 frames at the byte after the match.
    if (!match || *match + (header->version == 2 ? 1 : 0) < kId3TagHeaderLength)
        return std::nullopt;
    const auto end = frameEnd(source, header->version, *match);
    if (!end || *end > header->end || *end > source.size())
        return std::nullopt;
    std::uint64_t start = *match + tagAdd;
    const std::uint64_t firstChunk = std::min({source.size(), header->end, kChunk});
    std::array<std::uint8_t, 1> first{};
    if (start < firstChunk && source.read(start, first) == 1 && first[0] == 0)
        ++start;
    if (start >= *end)
        return std::nullopt;
    return PictureSpan{start, *end - start};
}

std::optional<std::vector<std::uint8_t>> readId3Picture(const ByteSource& source)
{
    const auto span = findId3Picture(source);
    if (!span || span->length > kLargestCoverPicture)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(span->length);
    if (source.read(span->offset, bytes) != bytes.size())
        return std::nullopt;
    return bytes;
}

} // namespace korvida
