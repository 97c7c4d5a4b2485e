#include "cli/import_command.h"

#include <atomic>
#include <optional>
#include <ostream>

#include "cli/choice_arguments.h"
#include "cli/copy_run_watch.h"
#include "cli/device_path.h"
#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/export_selection.h"
#include "copy/copy_queue.h"
#include "import/desktop_script_runner.h"
#include "import/import_entries.h"
#include "import/import_run.h"
#include "import/user_folders.h"

namespace korvida::cli {

namespace {

constexpr const char* kCommand = "korvida import";

struct ImportOptions {
    std::string device;
    std::vector<std::string> playlists;
    ExportChoice choice;
    bool help = false;
};

// The options, or nothing after telling `err` what is wrong.
std::optional<ImportOptions> parseArguments(const std::vector<std::string>& arguments, std::ostream& err)
{
    const auto parsed = parseChoiceArguments(kCommand, arguments, {}, err);
    if (!parsed)
        return std::nullopt;
    ImportOptions options;
    options.choice = parsed->choice;
    options.choice.playlist.reset(); // the playlists are ticked as import targets, not a choice
    options.playlists = parsed->playlists;
    options.help = parsed->help;
    const std::vector<std::string>& operands = parsed->operands;
    if (!options.help && operands.size() != 1) {
        err << kCommand << ": " << (operands.empty() ? "DEVICE is needed" : "too many operands") << '\n';
        return std::nullopt;
    }
    options.device = operands.empty() ? std::string() : operands[0];
    return options;
}

// Ticks the entries of the named playlists; false after telling `err` of a name that is
// no playlist of the player.
bool tickPlaylists(const std::vector<std::string>& names, const Library& library,
                   std::vector<std::unique_ptr<PlayList>>& entries, std::ostream& err)
{
    for (const std::string& name : names) {
        bool onPlayer = false;
        for (const auto& playList : library.playLists)
            onPlayer = onPlayer || playList->getCleanListName() == name;
        if (!onPlayer) {
            err << kCommand << ": no playlist " << printableText(name) << " on the player\n";
            return false;
        }
        for (const auto& entry : entries)
            if (entry->getCleanListName() == name)
                entry->setTaged(true);
    }
    return true;
}

} // namespace

int importCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<ImportOptions> options = parseArguments(arguments, err);
    if (!options) {
        err << "usage: " << kImportUsage << '\n';
        return kExitUsage;
    }
    const ImportFolders folders = userImportFolders();
    if (options->help) {
        out << "usage: " << kImportUsage << '\n'
            << "Imports the items of a player folder as the import sheet does: tunes into " << folders.music
            << "\nas Artist/Album/07 Title.mp3, films into " << folders.videos << ", photos into " << folders.pictures
            << "/Korvida,\nand the list of everything imported (Korvida.m3u8) and every --playlist as M3U8 files\nin "
            << folders.music << "/Playlists. Nothing there is replaced; a second import adds nothing twice.\n";
        return out.flush() ? 0 : 1;
    }
    const std::optional<std::string> folder = playerFolder(options->device, kCommand, err);
    if (!folder)
        return kExitUsage;
    const std::string& iPodPath = *folder;
    if (const auto onPlayer = folderOnPlayer(folders, iPodPath)) {
        err << kCommand << ": " << printableText(*onPlayer)
            << " lies on the player, which is never written; set the music, videos and pictures folders outside it\n";
        return kExitUsage;
    }
    const Library library = readPlayer(iPodPath, kCommand, err);
    tagChosenItems(library, options->choice);
    std::vector<std::unique_ptr<PlayList>> entries = importEntriesOf(library.playLists).entries;
    if (!tickPlaylists(options->playlists, library, entries, err))
        return kExitUsage;

    const auto& types = options->choice.mediaTypes;
    const bool toMusic = types.empty() || types.contains(InMedia::kMusic) || types.contains(InMedia::kMovie);
    const bool toPhotos = types.empty() || types.contains(InMedia::kPhoto);
    DesktopScriptRunner runner(folders);
    CopyQueue queue;
    std::atomic<int> numberOfSaveMedia{0};
    std::atomic<bool> importStopped{false};
    CopyRunReport report;
    const ImportRun run{library.mediasVisible,
                        entries,
                        library.playLists,
                        queue,
                        numberOfSaveMedia,
                        importStopped,
                        runner,
                        [&](const InMedia& media, CopyOutcome outcome) { report.itemDone(media, outcome); },
                        [] {},
                        iPodPath};
    const ImportQueued queued = queueForImport(run, toMusic, toPhotos);
    const std::size_t total = static_cast<std::size_t>(queued.tracks + queued.pictures);
    const int signal = watchCopyRun(
        [&] {
            for (const UnwrittenFile& file : importQueued(run, queued, toMusic, toPhotos)) {
                std::lock_guard lock(report.mutex);
                report.problems.push_back("could not write the playlist " + printableText(file.path) + ": " +
                                          file.error.message());
            }
        },
        [&] {
            importStopped.store(true);
            queue.cancelAll(library.mediasVisible, numberOfSaveMedia);
        },
        report, library, total, err);
    return finishCopyRun(report, total, signal, kCommand, out, err);
}

} // namespace korvida::cli
