#include "devicedb/device_text.h"

namespace korvida {

namespace {

constexpr std::size_t kMaxByteText = 499;
constexpr char32_t kReplacement = 0xFFFD;

// Writes the UTF-8 bytes of a code point and returns the position after them.
char* appendCodePoint(char* out, char32_t code)
{
    if (code < 0x80) {
        *out++ = static_cast<char>(code);
    } else if (code < 0x800) {
        *out++ = static_cast<char>(0xC0 | (code >> 6));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out++ = static_cast<char>(0xE0 | (code >> 12));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out++ = static_cast<char>(0xF0 | (code >> 18));
        *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Length of the well-formed UTF-8 sequence at the start of bytes, or 0 when it is not one.
std::size_t sequenceLength(std::string_view bytes)
{
    const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

// A text cut at its length limit must not end in the first bytes of a character.
void dropCutCharacter(std::string& text)
{
    std::size_t lead = text.size();
    while (lead > 0 && text.size() - lead < 3 && (static_cast<std::uint8_t>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead > 0 && static_cast<std::uint8_t>(text[lead - 1]) >= 0xC0 &&
        sequenceLength(std::string_view(text).substr(lead - 1)) == 0)
        text.resize(lead - 1);
}

} // namespace

DeviceText readUnitText(ByteView data, std::size_t start, const TagSet& ends, std::size_t maxUnits,
                        bool dropFirstUnit)
{
    // Find where the text ends first, so that it can be decoded in one go.
    std::size_t end = start;
    for (std::size_t units = 0; fits(data, end, 2) && units < maxUnits; end += 2, ++units)
        if ((data[end] == 'm' || data[end + 1] == 'm') && (ends.beginsAt(data, end) || ends.beginsAt(data, end + 1)))
            break;

    DeviceText text;
    text.end = end < data.size() ? end : data.size();
    if (end <= start)
        return text;
    // Each unit gives at most three bytes of UTF-8 (a surrogate pair four for its two units).
    text.text.resize((end - start) / 2 * 3);
    char* out = text.text.data();
    char16_t pendingHigh = 0; // a high surrogate waiting for its low half
    for (std::size_t position = start; position < end; position += 2) {
        const auto unit = static_cast<char16_t>(data[position] | (data[position + 1] << 8));
        if (unit == 0)
            continue;
        if (dropFirstUnit) {
            dropFirstUnit = false;
            continue;
        }
        if (pendingHigh != 0) {
            const bool paired = isLowSurrogate(unit);
            out = appendCodePoint(out, paired ? 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00)
                                              : kReplacement);
            pendingHigh = 0;
            if (paired)
                continue;
        }
        if (unit < 0x80)
            *out++ = static_cast<char>(unit);
        else if (isHighSurrogate(unit))
            pendingHigh = unit;
        else
            out = appendCodePoint(out, isLowSurrogate(unit) ? kReplacement : unit);
    }
    if (pendingHigh != 0)
        out = appendCodePoint(out, kReplacement);
    text.text.resize(static_cast<std::size_t>(out - text.text.data()));
    return text;
}

ByteText readByteText(ByteView data, std::size_t start, const TagSet& ends)
{
    std::string kept;
    bool markDropped = false;
    std::size_t position = start;
    for (; position < data.size() && kept.size() < kMaxByteText; ++position) {
        if (ends.beginsAt(data, position))
            break;
        const std::uint8_t byte = data[position];
        if (byte == 0)
            continue;
        if (!markDropped)
            markDropped = true;
        else
            kept += static_cast<char>(byte);
    }
    if (kept.size() == kMaxByteText)
        dropCutCharacter(kept);
    return {wellFormedUtf8(kept), position < data.size() ? position : data.size()};
}

std::string wellFormedUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = sequenceLength(bytes);
        if (length == 0) {
            out += "\xEF\xBF\xBD"; // U+FFFD
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return out;
}

} // namespace korvida
