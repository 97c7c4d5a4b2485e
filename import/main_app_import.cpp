#include "app/main_app.h"
#include "copy/copy_run_counts.h"
#include "import/import_entries.h"
#include "import/import_run.h"

namespace {

// The counts of the run, and what could not be written besides the items.
std::string importSummary(const korvida::CopyRunCounts& counts, const std::vector<korvida::UnwrittenFile>& unwritten)
{
    std::string line = korvida::summaryLine(counts);
    if (unwritten.empty())
        return line;
    const std::string& first = unwritten.front().path;
    line += "; could not write ";
    line += unwritten.size() == 1 ? first.substr(first.rfind('/') + 1)
                                  : std::to_string(unwritten.size()) + " playlists";
    return line + " (" + unwritten.front().error.message() + ")";
}

} // namespace

void MainApp::connectImport()
{
    makeItunesImport->setAction([this](korvida::Button& sender) { iTunesImportTagg(&sender); });
    doImportButton->setAction([this](korvida::Button& sender) { do_Itunes_iPhotoImport(&sender); });
    cancelImportButton->setAction([this](korvida::Button& sender) { cancel_Itunes_iPhotoImport(&sender); });
}

void MainApp::openImportSheet()
{
    importStopped.store(false);
    korvida::ImportEntries built = korvida::importEntriesOf(state.playLists);
    state.iTunesImportPlaylists = std::move(built.entries);

    iTunesPlayListsTableView->setHidden(true);
    for (korvida::Button* box : {makeItunesImport.get(), makeIPhotoImport.get()}) {
        box->setEnabled(false);
        box->setState(0);
    }
    if (built.tunesTagged) {
        iTunesPlayListsTableView->setHidden(false);
        makeItunesImport->setEnabled(true);
        makeItunesImport->setState(1);
    }
    if (built.picturesTagged) {
        makeIPhotoImport->setEnabled(true);
        makeIPhotoImport->setState(1);
    }
    iTunesPlayListsTableView->reloadData();
    whereToImportPanel->setBackgroundColor(korvida::Color::darkGrayColor());
    whereToImportPanel->beginSheet(*mainWindow);
}

void MainApp::iTunesImportTagg(korvida::Button* sender)
{
    iTunesPlayListsTableView->setHidden(sender->state() != 1);
}

void MainApp::cancel_Itunes_iPhotoImport(korvida::Button* /*sender*/)
{
    whereToImportPanel->endSheet();
}

void MainApp::do_Itunes_iPhotoImport(korvida::Button* /*sender*/)
{
    whereToImportPanel->endSheet();
    // As with the folder sheet: one run at a time.
    if (workerRunning.load())
        return;
    // The player is only ever read, also when the desktop's folders lie on it.
    if (const auto onPlayer = services.scripts.folderOnPlayer(state.iPodPath)) {
        services.alert.runAlertPanel("Set the music, videos and pictures folders outside the player",
                                     "Nothing is ever written onto the player, and " + *onPlayer + " lies on it.", "OK",
                                     "", "");
        return;
    }
    copyRunSummary.clear();
    // The boxes are read here, on the main thread, and handed to the run.
    const bool toMusic = makeItunesImport->state() == 1;
    const bool toPhotos = makeIPhotoImport->state() == 1;
    copyRunSummary.clear();
    copy->setEnabled(false);
    startWorker([this, toMusic, toPhotos] { doiTunes_iPhotoImport(toMusic, toPhotos); });
}

korvida::ImportRun MainApp::importRun()
{
    return korvida::ImportRun{mediasVisible,
                              state.iTunesImportPlaylists,
                              state.playLists,
                              copyQueue,
                              state.numberOfSaveMedia,
                              importStopped,
                              services.scripts,
                              {},
                              [this] { services.mainThread.post([this] { updateMediaTableView(); }); },
                              state.iPodPath,
                              state.writeStatistics == 1};
}

void MainApp::doiTunes_iPhotoImport(bool toMusic, bool toPhotos)
{
    korvida::ImportRun run = importRun();
    korvida::CopyRunCounts counts;
    run.itemDone = [&counts](const InMedia& media, korvida::CopyOutcome outcome) {
        counts.add(media, outcome);
    };
    // The Copy button was disabled when the run was started, on the main thread.
    state.numberOfSaveMedia.store(0);
    const korvida::ImportQueued queued = korvida::queueForImport(run, toMusic, toPhotos);
    services.mainThread.post([this] { mediaTableView->reloadData(); });
    const auto unwritten = korvida::importQueued(run, queued, toMusic, toPhotos);
    state.numberOfSaveMedia.store(0);
    services.mainThread.post([this, summary = importSummary(counts, unwritten)] {
        copyRunSummary = summary;
        copy->setEnabled(true);
        copy->display();
        updateUI();
    });
}

void MainApp::iTunesImport()
{
    korvida::iTunesImport(importRun());
}

void MainApp::iPhotoImport()
{
    korvida::iPhotoImport(importRun());
}
