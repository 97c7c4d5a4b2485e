#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "app/mounted_players.h"

namespace korvida::cli {

inline constexpr std::string_view kDevicesUsage = "korvida devices [--json]";

// "korvida devices": prints the mounted players, with their name, mount point and the number
// of tracks (tunes and films) and photos their databases hold, as a table or (with --json)
// as one JSON array. No player mounted is no failure: an empty list and exit status 0.
// The players are those of the mount table file `mountTable`.
int devicesCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const std::string& mountTable);

inline int devicesCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return devicesCommand(arguments, out, err, kMountTable);
}

} // namespace korvida::cli
