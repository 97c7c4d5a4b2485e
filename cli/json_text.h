#pragma once

#include <string>
#include <string_view>

namespace korvida::cli {

// Appends the text as a JSON string literal, quotes included: quotes, backslashes and
// control characters escaped, other UTF-8 passed through, ill-formed UTF-8 replaced by
// U+FFFD so that the document stays valid whatever bytes a database held.
void appendJsonString(std::string& out, std::string_view text);

// Appends a file's path as a JSON string literal that gives its bytes back: as above, but
// each byte of an ill-formed sequence (a name that is not UTF-8) is written as the escape
// \udcXX of the lone surrogate U+DC00 + byte, the form of the "surrogateescape" decoders.
void appendJsonPath(std::string& out, std::string_view path);

// The same literal as a string of its own.
std::string jsonString(std::string_view text);

} // namespace korvida::cli
