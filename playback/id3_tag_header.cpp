#include "playback/id3_tag_header.h"

#include <array>

namespace korvida {

std::optional<Id3TagHeader> readId3TagHeader(const ByteSource& source)
{
    std::array<std::uint8_t, kId3TagHeaderLength> header{};
    if (source.read(0, header) != header.size() || header[0] != 'I' || header[1] != 'D' || header[2] != '3')
        return std::nullopt;
    return Id3TagHeader{header[3], header[5], syncsafeNumber(std::span(header).subspan(6, 4))};
}

std::uint32_t syncsafeNumber(std::span<const std::uint8_t> bytes)
{
    std::uint32_t value = 0;
    for (const std::uint8_t byte : bytes)
        value = (value << 7) | (byte & 0x7f);
    return value;
}

} // namespace korvida
