#include "library/utf8.h"

namespace korvida::utf8 {

std::size_t sequenceLength(std::string_view bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    // Four bytes are all a sequence can take; looking no further keeps this constant time.
    const auto length = static_cast<std::int32_t>(bytes.size() < U8_MAX_LENGTH ? bytes.size() : U8_MAX_LENGTH);
    std::int32_t next = 0;
    UChar32 c = 0;
    if (length == 0)
        return 0;
    U8_NEXT(data, next, length, c);
    return c < 0 ? 0 : static_cast<std::size_t>(next);
}

std::string wellFormed(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = sequenceLength(bytes);
        if (length == 0) {
            out += kReplacementBytes;
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, length));
            bytes.remove_prefix(length);
        }
    }
    return out;
}

std::string_view cutAtCharacter(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && isContinuationByte(text[end]))
        --end;
    return text.substr(0, end);
}

} // namespace korvida::utf8
