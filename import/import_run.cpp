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

} // namespace

ImportQueued queueForImport(const ImportRun& run, bool toMusic, bool toPhotos)
{
    ImportQueued queued;
    for (const auto& item : run.items) {
        if (!item->getTaged())
            continue;
        const bool picture = item->getMediaType() == InMedia::kPhoto;
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

void iTunesImport(const ImportRun& run)
{
    run.runner.executeImportScript(preparationScript(run.importEntries), contextOf(run));
    for (const auto& item : run.items) {
        if (item->getMediaType() == InMedia::kPhoto || !run.queue.startItem(*item))
            continue;
        exportFileToiTunesDelegat(*item, run);
        run.queue.finishItem(*item);
    }
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
        if (item->getMediaType() != InMedia::kPhoto || !run.queue.startItem(*item))
            continue;
        run.queue.finishItem(*item);
        paths.push_back(item->getPath());
        run.numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    }
    run.runner.executeImportScript(pictureScript(paths), contextOf(run));
}

void importQueued(const ImportRun& run, const ImportQueued& queued, bool toMusic, bool toPhotos)
{
    if (toMusic && queued.tracks > 0)
        iTunesImport(run);
    if (toPhotos && queued.pictures > 0 && !run.importStopped.load(std::memory_order_relaxed))
        iPhotoImport(run);
}

} // namespace korvida
