#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>
#include <vector>

#include "cli/export_progress.h"
#include "copy/copy_outcome.h"
#include "library/library.h"

// What "korvida export" and "korvida import" share: the worker's report, the progress bar
// while it runs, Ctrl-C, and the closing summary with its exit status.
namespace korvida::cli {

// What the worker reports as it goes; read by the main thread for the progress bar.
struct CopyRunReport {
    std::mutex mutex;
    ExportCounts counts;
    std::uint64_t finishedBytes = 0;
    std::vector<std::string> problems;

    void itemDone(const InMedia& media, CopyOutcome outcome);
};

// The size of an item's file on the player, 0 when it cannot be read.
std::uint64_t sizeOf(const InMedia& media);

// Runs `work` on a worker thread and waits for it, drawing a progress bar of `total` tagged
// items of `library` on `err` when that is a terminal. The first Ctrl-C (or SIGTERM or
// SIGHUP) calls `cancel`; a second one ends the process at once after removing the hidden
// files of unfinished copies. Answers the signal that came, 0 when none did.
int watchCopyRun(const std::function<void()>& work, const std::function<void()>& cancel, CopyRunReport& report,
                 const Library& library, std::size_t total, std::ostream& err);

// Tells the problems and the summary; answers the exit status: that of the `signal` when one
// came (130 for Ctrl-C), 1 when there was a problem (an item missing or failed, another file
// not written) or the summary could not be written, 0 otherwise.
int finishCopyRun(const CopyRunReport& report, std::size_t total, int signal, const std::string& command,
                  std::ostream& out, std::ostream& err);

} // namespace korvida::cli
