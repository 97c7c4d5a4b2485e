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

// Whether the item's file may be read: it resolves inside the player (as above) to a regular
// file. A pipe, a device or a folder in its place is refused, since reading one can block
// or never end. Looks at the file without opening it.
bool isPlayerFile(const std::string& path, const std::string& playerFolder);

// Opens `path` for reading without blocking, provided it is a regular file; answers the
// descriptor, or -1. A pipe at the path cannot hold the open, and is refused.
int openRegularFile(const std::string& path);

// Opens the file of a player item for reading: the regular file it resolves to inside the
// player. Answers the descriptor, or -1.
int openPlayerFile(const std::string& path, const std::string& playerFolder);

} // namespace korvida
