#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builds ID3 tags byte by byte for the artwork tests.
namespace id3bytes {

using Bytes = std::vector<std::uint8_t>;

inline void append(Bytes& to, const std::string& text)
{
    to.insert(to.end(), text.begin(), text.end());
}

inline void appendBigEndian(Bytes& to, std::uint32_t value, int count)
{
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
        to.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The 10-byte header of a tag whose frames take `size` bytes.
inline Bytes header(int version, std::uint32_t size)
{
    Bytes bytes{'I', 'D', '3', static_cast<std::uint8_t>(version), 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7)
        bytes.push_back(static_cast<std::uint8_t>((size >> shift) & 0x7f));
    return bytes;
}

// A version 2.3 frame with the given body.
inline Bytes frame23(const std::string& name, const Bytes& body, std::uint32_t sizeField)
{
    Bytes bytes;
    append(bytes, name);
    appendBigEndian(bytes, sizeField, 4);
    bytes.push_back(0);
    bytes.push_back(0);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// An APIC body: encoding 0, the MIME type, front cover, an empty description, the picture.
inline Bytes apicBody(const std::string& mime, const Bytes& picture)
{
    Bytes body{0};
    append(body, mime);
    body.push_back(0);
    body.push_back(3);
    body.push_back(0);
    body.insert(body.end(), picture.begin(), picture.end());
    return body;
}

// A version 2.2 PIC frame: format "JPG", front cover, an empty description, the picture.
inline Bytes pic22(const Bytes& picture)
{
    Bytes body{0, 'J', 'P', 'G', 3, 0};
    body.insert(body.end(), picture.begin(), picture.end());
    Bytes bytes;
    append(bytes, "PIC");
    appendBigEndian(bytes, static_cast<std::uint32_t>(body.size()), 3);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// A whole file: the tag holding `frames`, then `audio`.
inline Bytes file(int version, const Bytes& frames, const Bytes& audio = {})
{
    Bytes bytes = header(version, static_cast<std::uint32_t>(frames.size()));
    bytes.insert(bytes.end(), frames.begin(), frames.end());
    bytes.insert(bytes.end(), audio.begin(), audio.end());
    return bytes;
}

inline const Bytes& jpegBytes()
{
    static const Bytes bytes{0xff, 0xd8, 0xff, 0xe0, 1, 2, 3, 4, 0xff, 0xd9};
    return bytes;
}

inline Bytes apic23(const std::string& mime, const Bytes& picture)
{
    const Bytes body = apicBody(mime, picture);
    return frame23("APIC", body, static_cast<std::uint32_t>(body.size()));
}

} // namespace id3bytes
