#include "cli/command_line.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/device_path.h"
#include "cli/devices_command.h"
#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/export_command.h"
#include "cli/import_command.h"
#include "cli/list_command.h"

#ifndef KORVIDA_VERSION
#define KORVIDA_VERSION "unknown"
#endif

namespace korvida::cli {

namespace {

using CommandFunction = int (*)(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

struct Command {
    std::string_view name;
    std::string_view usage;
    CommandFunction run;
};

// Every command-line command; a new command is one more line here.
constexpr Command kCommands[] = {
    {"list", kListUsage, listCommand},
    {"export", kExportUsage, exportCommand},
    {"import", kImportUsage, importCommand},
    {"devices", kDevicesUsage, devicesCommand},
};

// Options of the window itself, each followed by its value.
constexpr std::string_view kWindowOptions[] = {"--screenshot"};

const Command* findCommand(std::string_view name)
{
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

bool isHelp(std::string_view word)
{
    return word == "help" || word == "--help" || word == "-h";
}

bool isWindowOption(std::string_view word)
{
    for (const std::string_view option : kWindowOptions)
        if (option == word)
            return true;
    return false;
}

void printUsage(std::ostream& out)
{
    out << "usage: korvida [PATH]    opens the window, reading the player folder PATH if given\n";
    for (const Command& command : kCommands)
        out << "       " << command.usage << '\n';
    out << "       korvida help [COMMAND]\n"
        << "       korvida --version\n"
        << "DEVICE and PATH are a player's folder or the name of a mounted player (korvida devices).\n"
        << "Exit status: " << kExitSuccess << " done, " << kExitSomeFailed << " something failed, " << kExitUsage
        << " bad arguments or not a player, " << kExitInterrupted << " interrupted.\n";
}

int help(const std::vector<std::string>& topics)
{
    if (topics.empty()) {
        printUsage(std::cout);
        return std::cout.flush() ? kExitSuccess : kExitSomeFailed;
    }
    const Command* command = findCommand(topics.front());
    if (command == nullptr || topics.size() > 1) {
        std::cerr << "korvida help: no command " << printableText(topics.back()) << "\nusage: korvida help [COMMAND]\n";
        return kExitUsage;
    }
    return command->run({"--help"}, std::cout, std::cerr);
}

// A word that is no command: a folder to open when something of that name exists, when it
// is a path, or when it names a mounted player.
bool namesSomethingToOpen(const std::string& word)
{
    std::error_code error;
    return word.find('/') != std::string::npos ||
        std::filesystem::symlink_status(word, error).type() != std::filesystem::file_type::not_found ||
        !playersNamed(word).empty();
}

bool isPresent(const char* value)
{
    return value != nullptr && *value != '\0';
}

} // namespace

bool isCommand(int argc, char** argv)
{
    if (argc < 2)
        return false;
    const std::string first = argv[1];
    if (isWindowOption(first))
        return false;
    return first.starts_with('-') || findCommand(first) != nullptr || isHelp(first) || !namesSomethingToOpen(first);
}

int run(int argc, char** argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    const std::string first = argv[1];
    std::vector<std::string> rest(argv + 2, argv + argc);
    if (isHelp(first))
        return help(rest);
    if (first == "--version" || first == "-V") {
        std::cout << "korvida " << KORVIDA_VERSION << '\n';
        return std::cout.flush() ? kExitSuccess : kExitSomeFailed;
    }
    if (const Command* command = findCommand(first))
        return command->run(rest, std::cout, std::cerr);
    if (first.starts_with('-'))
        std::cerr << "korvida: unknown option " << printableText(first) << '\n';
    else
        std::cerr << "korvida: " << printableText(first) << ": no such command, folder or mounted player\n";
    std::cerr << "Try 'korvida --help'.\n";
    return kExitUsage;
}

bool displayAvailable(const char* qpaPlatform, const char* display, const char* waylandDisplay)
{
    if (!isPresent(qpaPlatform))
        return isPresent(display) || isPresent(waylandDisplay);
    // A list of platforms to try in turn ("wayland;xcb"); one that can start is enough.
    std::string_view platforms = qpaPlatform;
    while (!platforms.empty()) {
        const std::size_t end = platforms.find(';');
        const std::string_view platform = platforms.substr(0, end);
        if (platform.starts_with("xcb")           ? isPresent(display)
                : platform.starts_with("wayland") ? isPresent(waylandDisplay)
                                                  : !platform.empty())
            return true;
        platforms = end == std::string_view::npos ? std::string_view() : platforms.substr(end + 1);
    }
    return false;
}

bool displayAvailable()
{
    return displayAvailable(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
}

int windowUnavailable(std::string_view why, std::ostream& err)
{
    err << "korvida: cannot open the window (" << why
        << "); 'korvida list PATH' and 'korvida export PATH DEST' read a player without one\n";
    return kExitUsage;
}

} // namespace korvida::cli
