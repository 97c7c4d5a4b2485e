#pragma once

namespace korvida::cli {

// The exit statuses of the program, the same for every command and for the window's start.
inline constexpr int kExitSuccess = 0;       // done, nothing failed
inline constexpr int kExitSomeFailed = 1;    // ran, but something could not be done (an item, the output)
inline constexpr int kExitUsage = 2;         // bad arguments, not a player, no display for the window
inline constexpr int kExitInterrupted = 130; // stopped by Ctrl-C (128 + SIGINT)

} // namespace korvida::cli
