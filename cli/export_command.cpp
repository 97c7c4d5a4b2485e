#include "cli/export_command.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

#include "cli/device_path.h"
#include "cli/display_text.h"
#include "cli/export_progress.h"
#include "cli/export_selection.h"
#include "cli/interrupt_flag.h"
#include "copy/copy_queue.h"
#include "copy/partial_file.h"
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

std::uint64_t sizeOf(const InMedia& media)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(media.getPath(), error);
    return error ? 0 : size;
}

// The width of the terminal on standard error, or 0 when it is not a terminal.
std::size_t progressWidth(const std::ostream& err)
{
    if (&err != &std::cerr || ::isatty(STDERR_FILENO) == 0)
        return 0;
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// What the worker reports as it goes; read by the main thread for the progress bar.
struct ExportRun {
    std::mutex mutex;
    ExportCounts counts;
    std::uint64_t finishedBytes = 0;
    std::vector<std::string> problems;

    void itemDone(const InMedia& media, CopyOutcome outcome)
    {
        const std::uint64_t size = outcome == CopyOutcome::missing ? 0 : sizeOf(media);
        std::lock_guard lock(mutex);
        finishedBytes += size;
        switch (outcome) {
        case CopyOutcome::copied: ++counts.copied; break;
        case CopyOutcome::skipped: ++counts.skipped; break;
        case CopyOutcome::cancelled: ++counts.cancelled; break;
        case CopyOutcome::missing:
            ++counts.missing;
            problems.push_back("missing on the player: " + printableText(media.getPath()));
            break;
        case CopyOutcome::failed:
            ++counts.failed;
            problems.push_back("could not copy " + printableText(media.getPath()));
            break;
        }
    }
};

// The bytes of the items finished so far and of the one being copied.
std::uint64_t bytesDone(ExportRun& run, const Library& library)
{
    std::uint64_t bytes;
    {
        std::lock_guard lock(run.mutex);
        bytes = run.finishedBytes;
    }
    for (const auto& media : library.mediasVisible)
        if (media->getIsCopying())
            bytes += std::min(media->getPosisjon(), media->getFileSize()) * 10;
    return bytes;
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

    std::uint64_t totalBytes = 0;
    for (const auto& media : library.mediasVisible)
        totalBytes += media->getTaged() ? sizeOf(*media) : 0;

    std::atomic<int> numberOfSaveMedia{0};
    const std::atomic<int> saveWithTrackNumber{options->trackNumbers ? 1 : 0};
    const ExportDelegate delegat{numberOfSaveMedia, saveWithTrackNumber, [] {}, iPodPath};
    CopyQueue queue;
    ExportRun run;
    const InterruptFlag interrupt;
    const RunFolders folders = prepareRunFolders(library.mediasVisible, options->destination);
    queue.queueTagged(library.mediasVisible, numberOfSaveMedia);

    std::atomic<bool> finished{false};
    std::thread worker([&] {
        queue.exportQueued(library.mediasVisible, folders, delegat,
                           [&](const InMedia& media, CopyOutcome outcome) { run.itemDone(media, outcome); });
        finished.store(true);
    });
    const std::size_t width = progressWidth(err);
    const auto start = std::chrono::steady_clock::now();
    bool interrupted = false;
    while (!finished.load()) {
        if (interrupt.raisedAgain()) {
            // The user will not wait for the running copy to reach its next chunk.
            removeUnfinishedCopies();
            std::_Exit(exitStatusForSignal(interrupt.signalNumber()));
        }
        if (interrupt.raised() && !interrupted) {
            interrupted = true;
            queue.cancelAll(library.mediasVisible, numberOfSaveMedia);
        }
        if (width > 0) {
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            std::size_t done;
            {
                std::lock_guard lock(run.mutex);
                done = run.counts.done();
            }
            err << '\r' << progressLine(done, *total, bytesDone(run, library), totalBytes, elapsed.count(), width - 1)
                << "\x1b[K" << std::flush;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    worker.join();
    interrupted = interrupted || interrupt.raised();

    if (width > 0)
        err << "\r\x1b[K";
    for (const std::string& problem : run.problems)
        err << "korvida export: " << problem << '\n';
    out << exportSummary(run.counts, *total, interrupted) << '\n';
    if (!out.flush()) {
        err << "korvida export: could not write the summary\n";
        return 1;
    }
    if (interrupted)
        return exitStatusForSignal(interrupt.signalNumber());
    return run.counts.missing > 0 || run.counts.failed > 0 ? 1 : 0;
}

} // namespace korvida::cli
