#include "app/main_app.h"

#include "devicedb/device_reader.h"

// The one-second tick. Every step runs on every tick; a step that does not apply is skipped.
void MainApp::doChecks()
{
    if (playing && fullScreen)
        services.keepAwake.updateSystemActivity();

    // Noted before anything below can change the lists; the copy progress uses it.
    const int selectedRow = mediaTableView->selectedRow();

    // A drop is looked at once. While copies are counted, or a copy or import worker still
    // walks the items (the counter can reach 0 before it has finished), reading a new device
    // would free the items under it, so the drop is discarded.
    if (state.iPodDropped) {
        state.iPodDropped = false;
        if (state.numberOfSaveMedia.load() == 0 && !workerRunning.load() && korvida::hasSysInfo(state.iPodPath))
            getTags();
    }

    showPlayingTime();
    if (fullScreen)
        fullscreenControllPanel();
    moveOnAtEnd();
    showSelectedCopyProgress(selectedRow);
    showCopyCounter();
}
