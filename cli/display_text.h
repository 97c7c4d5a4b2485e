#pragma once

#include <string>
#include <string_view>

#include <unicode/umachine.h>

namespace korvida::cli {

// Text from a device is untrusted: it may hold bytes that are not UTF-8 and control
// characters (a terminal escape sequence in a title). These helpers make it safe to print.

// A code point a terminal acts on instead of showing: C0, DEL, C1 (U+009B is a CSI) and
// the bidirectional controls (U+202A to U+202E, U+2066 to U+2069), which reorder the text
// that follows.
bool isTerminalControl(UChar32 c);

// The text with ill-formed sequences and terminal controls replaced by U+FFFD, so that
// printing it cannot move the cursor, change the terminal's state or reorder the line.
std::string printableText(std::string_view text);

// The number of terminal columns the printable text takes: wide East Asian characters
// take two, combining marks and format characters none.
std::size_t displayWidth(std::string_view printable);

// The printable text cut to at most `width` columns, ending in "…" when something was cut.
std::string fitToWidth(const std::string& printable, std::size_t width);

} // namespace korvida::cli
