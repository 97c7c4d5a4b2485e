#pragma once

#include <iosfwd>
#include <string_view>

namespace korvida::cli {

// Runs a command-line command ("korvida list ...", "korvida devices", "korvida help ...",
// "korvida --version", ...) or answers arguments that are none with a usage error; returns
// the process exit status. Needs no display.
int run(int argc, char** argv);

// True when the arguments are for the command line rather than the window: a command, help,
// the version, or an option or word that names neither a command nor anything to open. The
// window takes no arguments, a folder (or a mounted player's name) and its own options.
bool isCommand(int argc, char** argv);

// Whether a window can be shown, from QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (null or
// empty when unset): without one, Qt would abort at start.
bool displayAvailable(const char* qpaPlatform, const char* display, const char* waylandDisplay);
bool displayAvailable();

// Says in one line that the window cannot open (`why`) and which commands read a player
// without it; returns the usage exit status.
int windowUnavailable(std::string_view why, std::ostream& err);

} // namespace korvida::cli
