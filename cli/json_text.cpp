#include "cli/json_text.h"

#include <cstdio>

#include "cli/utf8_walk.h"

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

void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    forEachCodePoint(text, [&](UChar32 c, std::string_view bytes) {
        if (c < 0)
            out += "\xEF\xBF\xBD";  // U+FFFD for an ill-formed sequence
        else if (c < 0x80)
            appendEscaped(out, static_cast<char>(c));
        else
            out += bytes;
    });
    out += '"';
}

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

}  // namespace korvida::cli
