#include "cli/json_text.h"

#include <cstdio>

#include "cli/display_text.h"

namespace korvida::cli {

namespace {

void appendEscaped(std::string& out, char c)
{
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        out += escape;
        return;
    }
    out += c;
}

}  // namespace

std::string jsonString(std::string_view text)
{
    const std::string utf8 = wellFormedUtf8(text);
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    // Bytes of multi-byte sequences are all 0x80 or above, so escaping byte by byte is safe.
    for (const char c : utf8)
        appendEscaped(out, c);
    out += '"';
    return out;
}

}  // namespace korvida::cli
