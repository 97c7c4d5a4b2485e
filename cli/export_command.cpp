#include "cli/export_command.h"

#include <filesystem>
#include <map>
#include <optional>

#include "cli/copy_run_watch.h"
#include "cli/device_path.h"
#include "cli/display_text.h"
#include "cli/export_selection.h"
#include "copy/copy_queue.h"
#include "copy/player_file.h"
#include "devicedb/device_reader.h"
#include "library/in_media.h"

namespace korvida::cli {

namespace {

struct ExportOptions {
    std::string device;
    std::string destination;
    ExportChoice choice;
    bool trackNumbers = true;
    bool help = false;
};

const std::map<std::string, int, std::less<>> kTypeNames = {
    {"music", InMedia::kMusic}, {"movies", InMedia::kMovie}, {"photos", InMedia::kPhoto}};

// The options, or nothing after telling `err` what is wrong.
std::optional<ExportOptions> parseArguments(const std::vector<std::string>& arguments, std::ostream& err)
{
    ExportOptions options;
    std::vector<std::string> operands;
    bool onlyOperands = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--type" || argument == "--playlist" || argument == "--match";
        if (onlyOperands || argument.size() < 2 || argument[0] != '-') {
            operands.push_back(argument);
        } else if (argument == "--") {
            onlyOperands = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--no-track-numbers") {
            options.trackNumbers = false;
        } else if (takesValue && i + 1 == arguments.size()) {
            err << "korvida export: " << argument << " needs a value\n";
            return std::nullopt;
        } else if (argument == "--type") {
            const auto type = kTypeNames.find(arguments[++i]);
            if (type == kTypeNames.end()) {
                err << "korvida export: unknown type " << printableText(arguments[i])
                    << " (music, movies or photos)\n";
                return std::nullopt;
            }
            options.choice.mediaTypes.insert(type->second);
        } else if (argument == "--playlist") {
            options.choice.playlist = arguments[++i];
        } else if (argument == "--match") {
            options.choice.match = arguments[++i];
        } else {
            err << "korvida export: unknown option " << printableText(argument) << '\n';
            return std::nullopt;
        }
    }
    if (options.help)
        return options;
    if (operands.size() != 2) {
        err << "korvida export: " << (operands.size() < 2 ? "DEVICE and DEST are needed" : "too many operands")
            << '\n';
        return std::nullopt;
    }
    options.device = operands[0];
    options.destination = operands[1];
    return options;
}


// Makes the destination folder when it is not there yet; true when it is a folder.
bool prepareDestination(const std::string& destination, std::ostream& err)
{
    std::error_code error;
    std::filesystem::create_directories(destination, error);
    if (std::filesystem::is_directory(destination, error))
        return true;
    err << "korvida export: " << printableText(destination) << ": cannot be used as the destination folder"
        << (error ? " (" + error.message() + ")" : std::string()) << '\n';
    return false;
}

} // namespace

int exportCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<ExportOptions> options = parseArguments(arguments, err);
    if (!options) {
        err << "usage: " << kExportUsage << '\n';
        return 2;
    }
    if (options->help) {
        out << "usage: " << kExportUsage << '\n'
            << "Copies the items of a player folder into DEST under readable names, as the Copy\n"
            << "button does: Artist/Album/07 Title.mp3, photos by year, month and day.\n";
        return out.flush() ? 0 : 1;
    }
    const std::optional<std::string> folder = playerFolder(options->device, "korvida export", err);
    if (!folder)
        return 2;
    const std::string& iPodPath = *folder;
    const Library library = readDevice(iPodPath);
    const std::optional<std::size_t> total = tagChosenItems(library, options->choice);
    if (!total) {
        err << "korvida export: no playlist " << printableText(*options->choice.playlist) << " on the player\n";
        return 2;
    }
    if (liesWithin(options->destination, iPodPath)) {
        err << "korvida export: " << printableText(options->destination)
            << " lies on the player, which is never written; choose a folder outside it\n";
        return 2;
    }
    if (!prepareDestination(options->destination, err))
        return 2;

    std::atomic<int> numberOfSaveMedia{0};
    const std::atomic<int> saveWithTrackNumber{options->trackNumbers ? 1 : 0};
    const ExportDelegate delegat{numberOfSaveMedia, saveWithTrackNumber, [] {}, iPodPath};
    CopyQueue queue;
    CopyRunReport report;
    const RunFolders folders = prepareRunFolders(library.mediasVisible, options->destination);
    queue.queueTagged(library.mediasVisible, numberOfSaveMedia);

    const int signal = watchCopyRun(
        [&] {
            queue.exportQueued(library.mediasVisible, folders, delegat,
                               [&](const InMedia& media, CopyOutcome outcome) { report.itemDone(media, outcome); });
        },
        [&] { queue.cancelAll(library.mediasVisible, numberOfSaveMedia); }, report, library, *total, err);
    return finishCopyRun(report, *total, signal, "korvida export", out, err);
}

} // namespace korvida::cli
