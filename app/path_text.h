#pragma once

#include <string>

namespace korvida {

// The last component of a path, as a file manager names it ("/media/anna/IPOD/" gives
// "IPOD"); "/" for the root and "" for an empty path.
std::string lastPathComponent(const std::string& path);

// The path made absolute (from the current folder) with ".", ".." and repeated or trailing
// slashes taken out by its text alone, its bytes otherwise kept as they are.
std::string absoluteCleanPath(const std::string& path);

// A file:// address for an absolute path, with every byte outside the unreserved set and
// "/" percent-encoded.
std::string fileUrlForPath(const std::string& path);

} // namespace korvida
