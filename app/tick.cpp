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

    // A drop is looked at once. While copies are counted, or a copy or import worker still
    // walks the items (the counter can reach 0 before it has finished), reading a new device
    // would free the items under it, so the drop is discarded. A folder that is not a player
    // is refused without a message box, but the title says so.
    bool deviceRead = false;
    if (state.iPodDropped) {
        state.iPodDropped = false;
        if (!korvida::hasSysInfo(state.iPodPath))
            playerWatch.refusedDrop(*mainWindow, state.iPodPath);
        else if (state.numberOfSaveMedia.load() == 0 && !workerRunning.load())
            deviceRead = true;
        if (deviceRead)
            getTags();
    }

    showPlayingTime();
    if (fullScreen)
        fullscreenControllPanel();
    moveOnAtEnd();
    // The row noted before a new device was read belongs to the old lists.
    if (!deviceRead)
        showSelectedCopyProgress(selectedRow);
    showCopyCounter();
}
