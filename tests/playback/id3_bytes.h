#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "playback/byte_source.h"

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

// A version 2.3 frame with the given body and format flags.
inline Bytes frame23(const std::string& name, const Bytes& body, std::uint32_t sizeField, std::uint8_t format = 0)
{
    Bytes bytes;
    append(bytes, name);
    appendBigEndian(bytes, sizeField, 4);
    bytes.push_back(0);
    bytes.push_back(format);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// A version 2.4 frame: its size is syncsafe.
inline Bytes frame24(const std::string& name, const Bytes& body, std::uint8_t format = 0)
{
    Bytes bytes = header(4, static_cast<std::uint32_t>(body.size()));
    bytes.erase(bytes.begin(), bytes.begin() + 6);
    bytes.insert(bytes.begin(), name.begin(), name.end());
    bytes.push_back(0);
    bytes.push_back(format);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

// An APIC body: encoding 0, the MIME type, the picture type (front cover), an empty
// description, the picture.
inline Bytes apicBody(const std::string& mime, const Bytes& picture, std::uint8_t type = 3)
{
    Bytes body{0};
    append(body, mime);
    body.push_back(0);
    body.push_back(type);
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

// A file of `length` bytes that begins with `head` and holds zeros after it; it notes the
// furthest byte read, so that a test sees how much of a large file a reader looked at.
class LargeFile : public korvida::ByteSource {
public:
    LargeFile(Bytes head, std::uint64_t length) : head(std::move(head)), length(length) {}
    std::uint64_t size() const override { return length; }
    std::size_t read(std::uint64_t offset, std::span<std::uint8_t> buffer) const override
    {
        if (offset >= length)
            return 0;
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), length - offset));
        std::fill_n(buffer.begin(), count, 0);
        if (offset < head.size())
            std::memcpy(buffer.data(), head.data() + offset, std::min<std::size_t>(count, head.size() - offset));
        furthest = std::max(furthest, offset + count);
        return count;
    }
    std::uint64_t furthestRead() const { return furthest; }

private:
    Bytes head;
    std::uint64_t length;
    mutable std::uint64_t furthest = 0;
};

} // namespace id3bytes
