#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/mounted_players.h"
#include "library/library.h"

namespace korvida::cli {

// The device folder a command-line argument names, as the readers expect it: absolute
// (relative to the current folder), without "." components or a trailing slash. Symbolic
// links and ".." are left as they are, so the path is still the one the user gave.
std::string devicePath(const std::string& argument);

// Tells `err`, after the command's name, why the folder cannot be read as a player (it does
// not exist, is not a folder or holds no iPod_Control/Device/SysInfo); true when it can.
bool isPlayerFolder(const std::string& iPodPath, std::string_view command, std::ostream& err);

// The mount points of the mounted players (in the mount table file) that an argument names
// by name: none when it holds a "/" or when something of that name is in the current folder.
std::vector<std::string> playersNamed(const std::string& argument, const std::string& mountTable = kMountTable);

// The folder the window is to open for an argument: the mounted player of that name (as
// playersNamed finds it), else the argument made absolute as devicePath does. Nothing, after
// telling `err` why, when the name stands for more than one mounted player.
std::optional<std::string> folderToOpen(const std::string& argument, std::string_view command, std::ostream& err,
                                        const std::string& mountTable = kMountTable);

// The player folder a DEVICE argument names: a folder, or, when nothing of that name is in
// the current folder and the name holds no "/", the mounted player of that name (found in
// the mount table file). Nothing, after telling `err` why, when it names no player.
std::optional<std::string> playerFolder(const std::string& argument, std::string_view command, std::ostream& err,
                                        const std::string& mountTable = kMountTable);

// The library of a player folder. Each database that could not be read whole is told on
// `err`, after the command's name: "PATH was not read: REASON" or "PATH was read in part:
// REASON".
Library readPlayer(const std::string& iPodPath, std::string_view command, std::ostream& err);

} // namespace korvida::cli
