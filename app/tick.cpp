#include "app/main_app.h"

#include "devicedb/device_reader.h"

// The one-second tick. Every step runs on every tick; a step that does not apply is skipped.
void MainApp::doChecks()
{
    if (playing && fullScreen)
        services.keepAwake.updateSystemActivity();

    // Noted before anything below can change the lists; the copy progress uses it.
    const int selectedRow = mediaTableView->selectedRow();

    // The title's notices: a refused drop's time, the open player unplugged.
    playerWatch.tick(*mainWindow);

    // A drop not yet read on the turn after it (that turn fell inside another operation).
    const bool deviceRead = readDroppedPlayer();

    showPlayingTime();
    if (fullScreen)
        fullscreenControllPanel();
    moveOnAtEnd();
    // The row noted before a new device was read belongs to the old lists.
    if (!deviceRead)
        showSelectedCopyProgress(selectedRow);
    showCopyCounter();
}

void MainApp::readDropSoon()
{
    services.timers.runOnNextTurn([this] { readDroppedPlayer(); });
}

bool MainApp::readDroppedPlayer()
{
    // A drop is looked at once. While copies are counted, or a copy or import worker still
    // walks the items (the counter can reach 0 before it has finished), reading a new device
    // would free the items under it, so the drop is discarded. A folder that is not a player
    // is refused without a message box, but the title says so.
    if (!state.iPodDropped)
        return false;
    state.iPodDropped = false;
    if (!korvida::hasSysInfo(state.iPodPath)) {
        playerWatch.refusedDrop(*mainWindow, state.iPodPath);
        return false;
    }
    if (state.numberOfSaveMedia.load() != 0 || workerRunning.load())
        return false;
    getTags();
    return true;
}
