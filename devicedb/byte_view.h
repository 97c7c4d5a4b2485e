#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace korvida {

// A database read whole into memory. Reads past its end see nothing: a tag or a field
// that would extend past the end does not match.
using ByteView = std::span<const std::uint8_t>;

inline bool fits(ByteView data, std::size_t position, std::size_t width)
{
    return position <= data.size() && width <= data.size() - position;
}

// The four letters of a record tag begin at the position.
inline bool tagAt(ByteView data, std::size_t position, std::string_view tag)
{
    if (!fits(data, position, 4))
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        if (data[position + i] != static_cast<std::uint8_t>(tag[i]))
            return false;
    return true;
}

// The byte at position + offset is present and equals the value.
inline bool byteIs(ByteView data, std::size_t position, std::size_t offset, std::uint8_t value)
{
    return fits(data, position, offset + 1) && data[position + offset] == value;
}

// Fields of a record cut short by the end of the data read as zero.
inline std::uint8_t byteOrZero(ByteView data, std::size_t position)
{
    return position < data.size() ? data[position] : 0;
}

inline std::uint32_t le32At(ByteView data, std::size_t position)
{
    if (!fits(data, position, 4))
        return 0;
    return static_cast<std::uint32_t>(data[position]) | static_cast<std::uint32_t>(data[position + 1]) << 8 |
        static_cast<std::uint32_t>(data[position + 2]) << 16 | static_cast<std::uint32_t>(data[position + 3]) << 24;
}

} // namespace korvida
