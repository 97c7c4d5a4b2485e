#include "cli/copy_run_watch.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

#include "cli/display_text.h"
#include "cli/exit_status.h"
#include "cli/interrupt_flag.h"
#include "copy/copy_failure.h"
#include "copy/partial_file.h"

namespace korvida::cli {

namespace {

// The width of the terminal on standard error, or 0 when it is not a terminal.
std::size_t progressWidth(const std::ostream& err)
{
    if (&err != &std::cerr || ::isatty(STDERR_FILENO) == 0)
        return 0;
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// The bytes of the items finished so far and of the one being copied.
std::uint64_t bytesDone(CopyRunReport& report, const Library& library)
{
    std::uint64_t bytes;
    {
        std::lock_guard lock(report.mutex);
        bytes = report.finishedBytes;
    }
    for (const auto& media : library.mediasVisible)
        if (media->getIsCopying())
            bytes += std::min(media->getPosisjon(), media->getFileSize()) * 10;
    return bytes;
}

} // namespace

void CopyRunReport::itemDone(const InMedia& media, CopyOutcome outcome)
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
        problems.push_back("could not copy " + printableText(media.getPath()) + ": " +
                           copyFailureReason(media.getCopyFailure()));
        break;
    }
}

std::uint64_t sizeOf(const InMedia& media)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(media.getPath(), error);
    return error ? 0 : size;
}

int watchCopyRun(const std::function<void()>& work, const std::function<void()>& cancel, CopyRunReport& report,
                 const Library& library, std::size_t total, std::ostream& err)
{
    std::uint64_t totalBytes = 0;
    for (const auto& media : library.mediasVisible)
        totalBytes += media->getTaged() ? sizeOf(*media) : 0;
    const InterruptFlag interrupt;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work();
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
            cancel();
        }
        if (width > 0) {
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            std::size_t done;
            {
                std::lock_guard lock(report.mutex);
                done = report.counts.done();
            }
            err << '\r' << progressLine(done, total, bytesDone(report, library), totalBytes, elapsed.count(), width - 1)
                << "\x1b[K" << std::flush;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    worker.join();
    if (width > 0)
        err << "\r\x1b[K";
    return interrupt.signalNumber();
}

int finishCopyRun(const CopyRunReport& report, std::size_t total, int signal, const std::string& command,
                  std::ostream& out, std::ostream& err)
{
    const bool interrupted = signal != 0;
    for (const std::string& problem : report.problems)
        err << command << ": " << problem << '\n';
    out << exportSummary(report.counts, total, interrupted) << '\n';
    if (!out.flush()) {
        err << command << ": could not write the summary\n";
        return kExitSomeFailed;
    }
    if (interrupted)
        return exitStatusForSignal(signal);
    const bool itemsLost = report.counts.missing > 0 || report.counts.failed > 0;
    // Files besides the items (the import's playlists) that could not be written are problems too.
    return itemsLost || !report.problems.empty() ? kExitSomeFailed : kExitSuccess;
}

} // namespace korvida::cli
