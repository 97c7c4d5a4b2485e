#include "tools/device_writer/record_bytes.h"

namespace korvida::devicewriter {

Record::Record(std::string_view tag, std::uint32_t headerLength) : bytes(headerLength < 12 ? 12 : headerLength, 0)
{
    for (std::size_t i = 0; i < 4 && i < tag.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(tag[i]);
    set32(4, headerLength);
}

Record& Record::set32(std::size_t offset, std::uint32_t value)
{
    if (bytes.size() < offset + 4)
        bytes.resize(offset + 4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    return *this;
}

Record& Record::set16(std::size_t offset, std::uint16_t value)
{
    if (bytes.size() < offset + 2)
        bytes.resize(offset + 2, 0);
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    return *this;
}

Record& Record::append(const Bytes& child)
{
    bytes.insert(bytes.end(), child.begin(), child.end());
    return *this;
}

Bytes Record::finish(bool totalLengthAt8)
{
    if (totalLengthAt8)
        set32(8, static_cast<std::uint32_t>(bytes.size()));
    return std::move(bytes);
}

Bytes concat(const std::vector<Bytes>& parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes sectionRecord(std::uint32_t type, const Bytes& list)
{
    return Record("mhsd", 96).set32(12, type).append(list).finish();
}

Bytes listRecord(std::string_view tag, std::size_t count, const std::vector<Bytes>& children)
{
    return Record(tag, 92).set32(8, static_cast<std::uint32_t>(count)).append(concat(children)).finish(false);
}

Bytes utf16le(const std::string& utf8Text)
{
    Bytes out;
    auto unit = [&out](std::uint32_t u) {
        out.push_back(static_cast<std::uint8_t>(u));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    };
    for (std::size_t i = 0; i < utf8Text.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8Text[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        ++i;
        for (; extra > 0 && i < utf8Text.size(); --extra, ++i)
            code = (code << 6) | (static_cast<std::uint8_t>(utf8Text[i]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            unit(0xD800 | (code >> 10));
            unit(0xDC00 | (code & 0x3FF));
        } else {
            unit(code);
        }
    }
    return out;
}

} // namespace korvida::devicewriter
