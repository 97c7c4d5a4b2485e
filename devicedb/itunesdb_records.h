#pragma once

#include "devicedb/byte_view.h"

namespace korvida {

// The records of an iTunesDB as the reader recognises them: a tag and a few fixed bytes.

inline bool playlistListHeaderAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhlp") && byteIs(data, p, 4, 92);
}

// Files in use carry playlist headers of 108, 112 and 184 bytes.
inline bool playlistHeaderAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhyp") && fits(data, p, 8) && le32At(data, p + 4) >= 108;
}

inline bool playlistItemAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhip") && byteIs(data, p, 4, 76) && fits(data, p, 26);
}

inline bool stringRecordAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhod") && byteIs(data, p, 4, 24) && byteIs(data, p, 24, 1);
}

inline bool anyStringRecordTagAt(ByteView data, std::size_t p)
{
    return tagAt(data, p, "mhod");
}

// The low bytes of the UTF-16LE text ":iPod_Control:Music:" begin at p.
inline bool locationAt(ByteView data, std::size_t p)
{
    constexpr std::size_t offsets[] = {0, 26, 28, 30, 32, 34, 36, 38};
    constexpr char letters[] = {':', ':', 'M', 'u', 's', 'i', 'c', ':'};
    if (!fits(data, p, 39))
        return false;
    for (std::size_t i = 0; i < std::size(offsets); ++i)
        if (data[p + offsets[i]] != static_cast<std::uint8_t>(letters[i]))
            return false;
    return true;
}

} // namespace korvida
