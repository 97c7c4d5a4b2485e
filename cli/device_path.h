#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace korvida::cli {

// The device folder a command-line argument names, as the readers expect it: absolute
// (relative to the current folder), without "." components or a trailing slash. Symbolic
// links and ".." are left as they are, so the path is still the one the user gave.
std::string devicePath(const std::string& argument);

// Tells `err`, after the command's name, why the folder cannot be read as a player (it does
// not exist, is not a folder or holds no iPod_Control/Device/SysInfo); true when it can.
bool isPlayerFolder(const std::string& iPodPath, std::string_view command, std::ostream& err);

}  // namespace korvida::cli
