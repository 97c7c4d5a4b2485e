#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace korvida::cli {

inline constexpr std::string_view kExportUsage =
    "korvida export DEVICE DEST [--type music|movies|photos] [--playlist NAME] [--match TEXT] [--no-track-numbers]";

// "korvida export": copies items of the player folder DEVICE into the folder DEST exactly as
// the Copy button copies tagged items, with a progress bar on a terminal and a closing
// summary. `arguments` are those after "export". Returns the exit status: 0 when nothing
// was missing or failed, 1 otherwise, 2 for bad arguments or a folder that is not a player,
// 130 when Ctrl-C cancelled the copies.
int exportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace korvida::cli
