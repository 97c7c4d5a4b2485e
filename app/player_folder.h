#pragma once

#include <optional>
#include <string>

namespace korvida {

// Why a folder cannot be opened as a player, naming what is missing ("no such folder",
// "not a folder", "no iPod_Control/Device/SysInfo"), or nothing when it is a player.
std::optional<std::string> whyNotAPlayer(const std::string& path);

} // namespace korvida
