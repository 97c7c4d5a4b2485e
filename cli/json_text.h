#pragma once

#include <string>
#include <string_view>

namespace korvida::cli {

// The text as a JSON string literal, quotes included: quotes, backslashes and control
// characters escaped, other UTF-8 passed through, ill-formed UTF-8 replaced by U+FFFD so
// that the document stays valid whatever bytes a database held.
std::string jsonString(std::string_view text);

}  // namespace korvida::cli
