#include "cli/display_text.h"

#include <unicode/uchar.h>

#include "library/utf8.h"

namespace korvida::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

std::size_t columnsOf(UChar32 c)
{
    if (c >= 0x20 && c < 0x7F)
        return 1; // plain ASCII, by far the most common
    const auto category = U_GET_GC_MASK(c);
    if ((category & (U_GC_MN_MASK | U_GC_ME_MASK | U_GC_CF_MASK)) != 0)
        return 0;
    const auto width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

} // namespace

bool isTerminalControl(UChar32 c)
{
    const bool c0DelOrC1 = c < 0x20 || (c >= 0x7F && c < 0xA0);
    // The bidirectional embeddings, overrides and isolates reorder what follows them.
    const bool bidi = (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    return c0DelOrC1 || bidi;
}

std::string printableText(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    utf8::forEachCodePoint(text, [&](UChar32 c, std::string_view bytes) {
        result += c < 0 || isTerminalControl(c) ? kReplacement : bytes;
    });
    return result;
}

std::size_t displayWidth(std::string_view printable)
{
    std::size_t width = 0;
    utf8::forEachCodePoint(printable, [&](UChar32 c, std::string_view) { width += c < 0 ? 1 : columnsOf(c); });
    return width;
}

std::string fitToWidth(const std::string& printable, std::size_t width)
{
    if (displayWidth(printable) <= width)
        return printable;
    if (width == 0)
        return {};
    // Keep whole code points while one column is left for the ellipsis.
    std::string kept;
    std::size_t used = 0;
    bool full = false;
    utf8::forEachCodePoint(printable, [&](UChar32 c, std::string_view bytes) {
        const std::size_t columns = c < 0 ? 1 : columnsOf(c);
        if (full || used + columns > width - 1) {
            full = true;
            return;
        }
        kept += bytes;
        used += columns;
    });
    return kept + "\xE2\x80\xA6"; // U+2026
}

} // namespace korvida::cli
