#include "cli/export_command.h"

#include <filesystem>
#include <optional>

#include "cli/choice_arguments.h"
#include "cli/copy_run_watch.h"
#include "cli/device_path.h"
#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/export_selection.h"
#include "copy/copy_queue.h"
#include "copy/player_file.h"
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

// The options, or nothing after telling `err` what is wrong.
std::optional<ExportOptions> parseArguments(const std::vector<std::string>& arguments, std::ostream& err)
{
    const auto parsed = parseChoiceArguments("korvida export", arguments, {"--no-track-numbers"}, err);
    if (!parsed)
        return std::nullopt;
    ExportOptions options;
    options.choice = parsed->choice;
    options.help = parsed->help;
    options.trackNumbers = parsed->flags.empty();
    const std::vector<std::string>& operands = parsed->operands;
    if (options.help)
        return options;
    if (operands.size() != 2) {
        err << "korvida export: " << (operands.size() < 2 ? "DEVICE and DEST are needed" : "too many operands") << '\n';
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
        return kExitUsage;
    }
    if (options->help) {
        out << "usage: " << kExportUsage << '\n'
            << "Copies the items of a player folder into DEST under readable names, as the Copy\n"
            << "button does: Artist/Album/07 Title.mp3, photos by year, month and day.\n";
        return out.flush() ? 0 : 1;
    }
    const std::optional<std::string> folder = playerFolder(options->device, "korvida export", err);
    if (!folder)
        return kExitUsage;
    const std::string& iPodPath = *folder;
    const Library library = readPlayer(iPodPath, "korvida export", err);
    const std::optional<std::size_t> total = tagChosenItems(library, options->choice);
    if (!total) {
        err << "korvida export: no playlist " << printableText(*options->choice.playlist) << " on the player\n";
        return kExitUsage;
    }
    if (liesWithin(options->destination, iPodPath)) {
        err << "korvida export: " << printableText(options->destination)
            << " lies on the player, which is never written; choose a folder outside it\n";
        return kExitUsage;
    }
    if (!prepareDestination(options->destination, err))
        return kExitUsage;

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
