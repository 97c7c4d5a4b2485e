#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <unordered_set>

#include "copy/copy_outcome.h"
#include "copy/export_delegate.h"
#include "copy/run_folders.h"

class InMedia;

namespace korvida {

// The queue of one copy run, shared by the worker that walks it and the main thread that
// cancels. An item is queued (`shouldStartCopy`), then the worker's current item, then
// idle. The moves between these states happen under one lock, so a cancel and the
// worker can never both act on the same item: a queued item is either started or
// counted down, never both, and a stop request reaches only the item being copied and
// never outlives its copy to stop a later one.
class CopyQueue {
public:
    using ItemDone = std::function<void(const InMedia&, CopyOutcome)>;

    // Marks every tagged item queued and adds it to `numberOfSaveMedia`; the failures of the
    // last run are forgotten.
    void queueTagged(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia);

    // Marks one item queued and adds it to `numberOfSaveMedia`.
    void queueItem(InMedia& item, std::atomic<int>& numberOfSaveMedia);

    // Exports, in order, every item that is still queued: pictures into the pictures
    // folder, everything else into the tunes-and-movies folder. An item whose copy failed is
    // marked so (`setCopyFailed`). `itemDone`, when given, hears the outcome of every
    // exported item, and `cancelled` for every item of the run cancelled while it waited.
    // Last, the run folders it created that stayed empty are removed.
    void exportQueued(std::span<const std::unique_ptr<InMedia>> items, const RunFolders& folders,
                      const ExportDelegate& delegat, const ItemDone& itemDone = {});

    // The worker's two steps around one item: taking it off the queue (false when it is no
    // longer queued, because a cancel came first) and letting it go once exported.
    bool startItem(InMedia& item);
    void finishItem(InMedia& item);
    // Whether a cancel took `item` off the queue before the worker came to it; answers so
    // once, for the worker to count it.
    bool takeCancelledWhileQueued(InMedia& item);

    // Cancels one item: a queued one is taken off the queue and counted down, the one being
    // copied is asked to stop at its next chunk (its copy counts itself down).
    void cancel(InMedia& item, std::atomic<int>& numberOfSaveMedia);
    void cancelAll(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia);
    // Cancels everything and queues nothing from now on: the controller is going away, and a
    // run that has only just started must not queue its items after this.
    void shutDown(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia);

private:
    void cancelLocked(InMedia& item, std::atomic<int>& numberOfSaveMedia);

    std::mutex mutex;
    InMedia* current = nullptr;
    bool closed = false;
    // Items cancelled while queued that the worker has not passed yet.
    std::unordered_set<const InMedia*> cancelledWhileQueued;
};

} // namespace korvida
