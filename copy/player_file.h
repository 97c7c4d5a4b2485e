#pragma once

#include <optional>
#include <string>

namespace korvida {

// Whether `path` is `folder` or lies inside it once every link and ".." of both is
// resolved; `path` need not exist yet.
bool liesWithin(const std::string& path, const std::string& folder);

// The file of a player item as it may be read: `path` with its links resolved, provided
// something is there and, when `playerFolder` is given, it still lies inside the player (or
// inside what the player's own iPod_Control folder resolves to). A link on the player to a
// file of the user's is thus never read.
std::optional<std::string> resolvePlayerFile(const std::string& path, const std::string& playerFolder);

} // namespace korvida
