#include "import/import_run.h"

#include "copy/copy_queue.h"
#include "import/import_scripts.h"
#include "library/in_media.h"

namespace korvida {

namespace {

ScriptContext contextOf(const ImportRun& run)
{
    return ScriptContext{run.items,          run.playLists,    run.itemDone,
                         &run.importStopped, run.playerFolder, run.writeStatistics};
}

// Takes `item` off the queue for the run; one cancelled while it waited is counted so.
bool startOrCount(const ImportRun& run, InMedia& item)
{
    if (run.queue.startItem(item))
        return true;
    if (run.itemDone && run.queue.takeCancelledWhileQueued(item))
        run.itemDone(item, CopyOutcome::cancelled);
    return false;
}

} // namespace

ImportQueued queueForImport(const ImportRun& run, bool toMusic, bool toPhotos)
{
    ImportQueued queued;
    for (const auto& item : run.items) {
        if (!item->getTaged())
            continue;
        const bool picture = item->getMediaType() == InMedia::kPhoto;
        item->setIsImporting(true);
        if (!picture && toMusic) {
            run.queue.queueItem(*item, run.numberOfSaveMedia);
            ++queued.tracks;
        } else if (picture && toPhotos) {
            run.queue.queueItem(*item, run.numberOfSaveMedia);
            ++queued.pictures;
        }
    }
    return queued;
}

std::vector<UnwrittenFile> iTunesImport(const ImportRun& run)
{
    run.runner.executeImportScript(preparationScript(run.importEntries), contextOf(run));
    for (const auto& item : run.items) {
        if (item->getMediaType() == InMedia::kPhoto || !startOrCount(run, *item))
            continue;
        exportFileToiTunesDelegat(*item, run);
        run.queue.finishItem(*item);
    }
    return run.runner.finishImport();
}

void exportFileToiTunesDelegat(InMedia& item, const ImportRun& run)
{
    item.setIsCopying(true);
    run.runner.executeImportScript(trackScript(item, run.importEntries, run.playLists), contextOf(run));
    item.setIsCopying(false);
    run.numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    run.updateMediaTableView();
}

void iPhotoImport(const ImportRun& run)
{
    std::vector<std::string> paths;
    for (const auto& item : run.items) {
        if (item->getMediaType() != InMedia::kPhoto || !startOrCount(run, *item))
            continue;
        run.queue.finishItem(*item);
        paths.push_back(item->getPath());
        run.numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    }
    if (!paths.empty())
        run.runner.executeImportScript(pictureScript(paths), contextOf(run));
}

std::vector<UnwrittenFile> importQueued(const ImportRun& run, const ImportQueued& queued, bool toMusic, bool toPhotos)
{
    std::vector<UnwrittenFile> unwritten;
    if (toMusic && queued.tracks > 0)
        unwritten = iTunesImport(run);
    // A run stopped during the tunes still passes over its pictures, which counts them as
    // cancelled and imports none.
    if (toPhotos && queued.pictures > 0)
        iPhotoImport(run);
    return unwritten;
}

} // namespace korvida
