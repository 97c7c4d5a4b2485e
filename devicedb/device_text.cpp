#include "devicedb/device_text.h"

#include "library/utf8.h"

namespace korvida {

namespace {

constexpr std::size_t kMaxByteText = 499;
bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A text cut at its length limit must not end in the first bytes of a character.
void dropCutCharacter(std::string& text)
{
    std::size_t lead = text.size();
    while (lead > 0 && text.size() - lead < 3 && utf8::isContinuationByte(text[lead - 1]))
        --lead;
    if (lead > 0 && static_cast<std::uint8_t>(text[lead - 1]) >= 0xC0 &&
        utf8::sequenceLength(std::string_view(text).substr(lead - 1)) == 0)
        text.resize(lead - 1);
}

} // namespace

DeviceText readUnitText(ByteView data, std::size_t start, const TagSet& ends, std::size_t maxUnits, bool dropFirstUnit)
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
            out = utf8::append(
                out, paired ? 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00) : utf8::kReplacementCharacter);
            pendingHigh = 0;
            if (paired)
                continue;
        }
        if (unit < 0x80)
            *out++ = static_cast<char>(unit);
        else if (isHighSurrogate(unit))
            pendingHigh = unit;
        else
            out = utf8::append(out, isLowSurrogate(unit) ? utf8::kReplacementCharacter : unit);
    }
    if (pendingHigh != 0)
        out = utf8::append(out, utf8::kReplacementCharacter);
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
    return {utf8::wellFormed(kept), position < data.size() ? position : data.size()};
}

} // namespace korvida
