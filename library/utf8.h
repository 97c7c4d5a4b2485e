#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <unicode/utf8.h>

// UTF-8 as every part of the program reads and writes it: the readers encode the player's
// UTF-16, the sort keys and exported names cut and replace characters, the listing walks
// code points. All of it goes through ICU's U8_ macros, which never read past the end and
// take an ill-formed sequence as one unit.
namespace korvida::utf8 {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;
inline constexpr std::string_view kReplacementBytes = "\xEF\xBF\xBD";

// Writes the bytes of a code point (at most four) at `out`; answers the position after them.
inline char* append(char* out, char32_t code)
{
    std::size_t at = 0;
    U8_APPEND_UNSAFE(out, at, code);
    return out + at;
}

inline void append(std::string& text, char32_t code)
{
    char bytes[U8_MAX_LENGTH];
    text.append(bytes, static_cast<std::size_t>(append(bytes, code) - bytes));
}

inline bool isContinuationByte(char byte)
{
    return U8_IS_TRAIL(static_cast<std::uint8_t>(byte));
}

// Calls visit(codePoint, bytes) for each code point of the text; an ill-formed sequence
// comes as a negative code point with the bytes it spans, so nothing is lost.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t next = 0;
    while (next < length) {
        const std::int32_t start = next;
        UChar32 c = 0;
        U8_NEXT(bytes, next, length, c);
        visit(c, text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(next - start)));
    }
}

// The length of the well-formed sequence at the start of `bytes`, or 0 when there is none.
std::size_t sequenceLength(std::string_view bytes);

// The text with every byte that does not belong to a well-formed sequence replaced by
// U+FFFD.
std::string wellFormed(std::string_view bytes);

// The longest start of the text of at most `limit` bytes that ends between two characters.
std::string_view cutAtCharacter(std::string_view text, std::size_t limit);

} // namespace korvida::utf8
