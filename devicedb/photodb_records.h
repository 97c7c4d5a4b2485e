#pragma once

#include "devicedb/byte_view.h"

namespace korvida {

// The records of a Photo Database as the reader recognises them.

// A 12-byte UTF-8 name of an image, in a string record of type 1.
inline bool imageNameRecordAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhod") && byteIs(data, p, 4, 24) && byteIs(data, p, 12, 1) && byteIs(data, p, 24, 12);
}

// The low bytes of the UTF-16LE text ":Full Resolution:" begin at p.
inline bool fullResolutionAt(ByteView data, std::size_t p)
{
    constexpr std::string_view letters = ":Full Resolution:";
    if (!fits(data, p, 2 * letters.size() - 1))
        return false;
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (data[p + 2 * i] != static_cast<std::uint8_t>(letters[i]))
            return false;
    return true;
}

inline bool albumItemAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhia") && fits(data, p, 18);
}

} // namespace korvida
