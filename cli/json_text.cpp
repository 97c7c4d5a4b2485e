#include "cli/json_text.h"

#include <cstdio>

#include "cli/display_text.h"
#include "library/utf8.h"

namespace korvida::cli {

namespace {

void appendCodePointEscape(std::string& out, UChar32 c)
{
    char escape[16];
    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
    out += escape;
}

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
    if (isTerminalControl(static_cast<unsigned char>(c))) {
        appendCodePointEscape(out, static_cast<unsigned char>(c));
        return;
    }
    out += c;
}

// Each ill-formed sequence goes to `illFormed`; everything else is escaped as JSON needs.
template <typename IllFormed>
void appendLiteral(std::string& out, std::string_view text, IllFormed illFormed)
{
    out += '"';
    utf8::forEachCodePoint(text, [&](UChar32 c, std::string_view bytes) {
        if (c < 0)
            illFormed(bytes);
        else if (c < 0x80)
            appendEscaped(out, static_cast<char>(c));
        else if (isTerminalControl(c))
            appendCodePointEscape(out, c); // a reader that prints the value is not steered
        else
            out += bytes;
    });
    out += '"';
}

} // namespace

void appendJsonString(std::string& out, std::string_view text)
{
    appendLiteral(out, text, [&out](std::string_view) { out += utf8::kReplacementBytes; });
}

void appendJsonPath(std::string& out, std::string_view path)
{
    appendLiteral(out, path, [&out](std::string_view bytes) {
        for (const char byte : bytes)
            appendCodePointEscape(out, 0xDC00 + static_cast<unsigned char>(byte));
    });
}

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

} // namespace korvida::cli
