#pragma once

#include <cstdint>
#include <string_view>

#include <unicode/utf8.h>

namespace korvida::cli {

// Calls visit(codePoint, bytes) for each code point of the UTF-8 text; an ill-formed
// sequence comes as a negative code point with the bytes it spans, so nothing is lost
// or read past the end whatever the bytes are.
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

}  // namespace korvida::cli
