#pragma once

#include <string>

namespace korvida::cli {

// The device folder a command-line argument names, as the readers expect it: absolute
// (relative to the current folder), without "." components or a trailing slash. Symbolic
// links and ".." are left as they are, so the path is still the one the user gave.
std::string devicePath(const std::string& argument);

}  // namespace korvida::cli
