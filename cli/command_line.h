#pragma once

namespace korvida::cli {

// Runs "korvida list ..." or "korvida export ..."; returns the process exit status.
int run(int argc, char** argv);

// True when the arguments name one of the command-line commands rather than a device
// to open in the window.
bool isCommand(int argc, char** argv);

}  // namespace korvida::cli
