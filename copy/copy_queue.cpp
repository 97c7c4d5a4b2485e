#include "copy/copy_queue.h"

#include "copy/media_export.h"
#include "library/in_media.h"

namespace korvida {

void CopyQueue::queueTagged(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia)
{
    std::lock_guard lock(mutex);
    if (closed)
        return;
    cancelledWhileQueued.clear();
    for (const auto& item : items) {
        // A failure of the last run is told until this one.
        item->setCopyFailed(false);
        item->setIsImporting(false);
        if (!item->getTaged())
            continue;
        item->setShouldStartCopy(true);
        numberOfSaveMedia.fetch_add(1, std::memory_order_relaxed);
    }
}

void CopyQueue::queueItem(InMedia& item, std::atomic<int>& numberOfSaveMedia)
{
    std::lock_guard lock(mutex);
    cancelledWhileQueued.erase(&item);
    item.setShouldStartCopy(true);
    numberOfSaveMedia.fetch_add(1, std::memory_order_relaxed);
}

void CopyQueue::exportQueued(std::span<const std::unique_ptr<InMedia>> items, const RunFolders& folders,
                             const ExportDelegate& delegat, const ItemDone& itemDone)
{
    for (const auto& item : items) {
        if (!startItem(*item)) {
            if (itemDone && takeCancelledWhileQueued(*item))
                itemDone(*item, CopyOutcome::cancelled);
            continue;
        }
        const CopyOutcome outcome = item->getMediaType() == InMedia::kPhoto
            ? exportPicture(*item, folders.photos, delegat)
            : exportMusicMovie(*item, folders.musicMovies, delegat);
        finishItem(*item);
        if (outcome == CopyOutcome::failed)
            item->setCopyFailed(true);
        if (itemDone)
            itemDone(*item, outcome);
    }
    removeEmptyRunFolders(folders);
}

void CopyQueue::cancel(InMedia& item, std::atomic<int>& numberOfSaveMedia)
{
    std::lock_guard lock(mutex);
    cancelLocked(item, numberOfSaveMedia);
}

void CopyQueue::cancelAll(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia)
{
    std::lock_guard lock(mutex);
    for (const auto& item : items)
        cancelLocked(*item, numberOfSaveMedia);
}

void CopyQueue::shutDown(std::span<const std::unique_ptr<InMedia>> items, std::atomic<int>& numberOfSaveMedia)
{
    std::lock_guard lock(mutex);
    closed = true;
    for (const auto& item : items)
        cancelLocked(*item, numberOfSaveMedia);
}

bool CopyQueue::startItem(InMedia& item)
{
    std::lock_guard lock(mutex);
    if (!item.getShouldStartCopy())
        return false;
    item.setShouldStartCopy(false);
    current = &item;
    return true;
}

void CopyQueue::finishItem(InMedia& item)
{
    std::lock_guard lock(mutex);
    current = nullptr;
    // A stop asked for after the copy had ended would otherwise stop this item's next copy.
    item.setShouldStopCopy(false);
}

bool CopyQueue::takeCancelledWhileQueued(InMedia& item)
{
    std::lock_guard lock(mutex);
    return cancelledWhileQueued.erase(&item) > 0;
}

void CopyQueue::cancelLocked(InMedia& item, std::atomic<int>& numberOfSaveMedia)
{
    if (item.getShouldStartCopy()) {
        item.setShouldStartCopy(false);
        cancelledWhileQueued.insert(&item);
        numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    } else if (&item == current) {
        item.setShouldStopCopy(true);
    }
}

} // namespace korvida
