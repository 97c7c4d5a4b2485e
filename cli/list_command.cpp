#include "cli/list_command.h"

#include <optional>
#include <ostream>

#include "cli/device_path.h"
#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/library_json.h"
#include "cli/library_table.h"
#include "library/library.h"

namespace korvida::cli {

namespace {

struct ListOptions {
    std::string device;
    bool json = false;
    bool help = false;
};

// The options, or nothing after telling `err` what is wrong.
std::optional<ListOptions> parseArguments(const std::vector<std::string>& arguments, std::ostream& err)
{
    ListOptions options;
    bool haveDevice = false;
    bool onlyOperands = false;
    for (const std::string& argument : arguments) {
        if (!onlyOperands && argument == "--") {
            onlyOperands = true;
        } else if (!onlyOperands && argument == "--json") {
            options.json = true;
        } else if (!onlyOperands && (argument == "--help" || argument == "-h")) {
            options.help = true;
        } else if (!onlyOperands && argument.size() > 1 && argument[0] == '-') {
            err << "korvida list: unknown option " << printableText(argument) << '\n';
            return std::nullopt;
        } else if (haveDevice) {
            err << "korvida list: more than one DEVICE given\n";
            return std::nullopt;
        } else {
            options.device = argument;
            haveDevice = true;
        }
    }
    if (!haveDevice && !options.help) {
        err << "korvida list: no DEVICE given\n";
        return std::nullopt;
    }
    return options;
}

} // namespace

int listCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<ListOptions> options = parseArguments(arguments, err);
    if (!options) {
        err << "usage: " << kListUsage << '\n';
        return kExitUsage;
    }
    if (options->help) {
        out << "usage: " << kListUsage << '\n'
            << "Prints the tunes, films, photos, playlists and photo albums of a player folder;\n"
            << "DEVICE is a player's folder or the name of a mounted player (korvida devices);\n"
            << "--json prints them as one JSON document.\n";
        return out.flush() ? kExitSuccess : kExitSomeFailed;
    }
    const std::optional<std::string> folder = playerFolder(options->device, "korvida list", err);
    if (!folder)
        return kExitUsage;
    const std::string& iPodPath = *folder;

    const Library library = readPlayer(iPodPath, "korvida list", err);
    if (options->json) {
        writeLibraryJson(library, out);
        out << '\n';
    } else
        printLibraryTable(library, iPodPath, out);
    if (!out.flush()) {
        err << "korvida list: could not write the listing\n";
        return kExitSomeFailed;
    }
    return kExitSuccess;
}

} // namespace korvida::cli
