#include <cstdlib>
#include <filesystem>

#include "app/main_app.h"
#include "app/preference_keys.h"
#include "copy/copy_run_counts.h"
#include "copy/player_file.h"
#include "copy/run_folders.h"

namespace {

// The folder sheet starts in the folder chosen last time, or else in the user's home folder.
std::string startFolder(const korvida::UserDefaults& defaults)
{
    std::error_code missing;
    if (auto last = defaults.objectForKey(korvida::kLastCopyFolderKey);
        last && std::filesystem::is_directory(*last, missing))
        return *last;
    const char* home = std::getenv("HOME");
    return home != nullptr ? home : "/";
}

} // namespace

void MainApp::connectCopying()
{
    copy->setAction([this](korvida::Button& sender) { copyButton(&sender); });
    canselCopying->setAction([this](korvida::Button& sender) { canselCopyingButton(&sender); });
    canselAllCopying->setAction([this](korvida::Button& sender) { canselAllCopyingButton(&sender); });
}

void MainApp::copyButton(korvida::Button* /*sender*/)
{
    if (state.whereToImport.load() != 0) {
        openImportSheet();
        return;
    }
    services.folderChooser.chooseFolder(
        *mainWindow, korvida::FolderRequest{"Copy Here", startFolder(defaults)},
        [this](std::optional<std::string> folder) { openPanelDidEnd(folder, folder ? 1 : 0); });
}

void MainApp::openPanelDidEnd(const std::optional<std::string>& chosenFolder, int returnCode)
{
    // The button is disabled for the length of a run; a second sheet that was already open
    // when the first run started must not start another worker.
    if (returnCode != 1 || !chosenFolder || workerRunning.load())
        return;
    // The player is only ever read.
    if (!state.iPodPath.empty() && korvida::liesWithin(*chosenFolder, state.iPodPath)) {
        services.alert.runAlertPanel("Choose a folder outside the player", "Nothing is ever written onto the player.",
                                     "OK", "", "");
        return;
    }
    defaults.setObjectForKey(*chosenFolder, korvida::kLastCopyFolderKey);
    copyPlayerFolder = state.iPodPath;
    copyRunSummary.clear();
    copy->setEnabled(false);
    startWorker([this, folder = *chosenFolder] { saveMediaAtPath(folder); });
}

void MainApp::saveMediaAtPath(const std::string& path)
{
    korvida::MainThreadQueue& mainThread = services.mainThread;
    const korvida::RunFolders folders = korvida::prepareRunFolders(mediasVisible, path);

    // The Copy button was disabled when the run was started, on the main thread.
    state.numberOfSaveMedia.store(0);
    copyQueue.queueTagged(mediasVisible, state.numberOfSaveMedia);
    mainThread.post([this] { mediaTableView->reloadData(); });

    const korvida::ExportDelegate delegat{state.numberOfSaveMedia, state.saveWithTrackNumber,
                                          [this, &mainThread] { mainThread.post([this] { updateMediaTableView(); }); },
                                          copyPlayerFolder};
    korvida::CopyRunCounts counts;
    copyQueue.exportQueued(
        mediasVisible, folders, delegat,
        [&counts](const InMedia& media, korvida::CopyOutcome outcome) { counts.add(media, outcome); });

    mainThread.post([this, summary = korvida::summaryLine(counts)] {
        copyRunSummary = summary;
        copy->setEnabled(true);
    });
    state.numberOfSaveMedia.store(0);
}
