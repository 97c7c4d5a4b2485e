#pragma once

#include <string>

namespace korvida {

// The extension of a path: the text after the last "." of its last component, or the
// whole last component when it has no dot. Case is kept.
std::string getFileType(const std::string& path);

} // namespace korvida
