#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvida::cli {

inline constexpr std::string_view kListUsage = "korvida list DEVICE [--json]";

// "korvida list": reads the player folder DEVICE as a dropped device is read and prints
// its library, as a table or (with --json) as one JSON document. `arguments` are those
// after "list". Returns the exit status: 0 listed, 1 the output could not be written,
// 2 bad arguments or a folder that is not a player.
int listCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace korvida::cli
