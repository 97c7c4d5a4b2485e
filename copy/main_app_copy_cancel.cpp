#include "app/main_app.h"

void MainApp::canselCopyingButton(korvida::Button* /*sender*/)
{
    const int row = mediaTableView->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= medias.size())
        return;
    copyQueue.cancel(*medias[row], state.numberOfSaveMedia);
    canselCopying->setHidden(true);
    copyingProgressIndicator->setHidden(true);
    mediaTableView->reloadData();
}

void MainApp::canselAllCopyingButton(korvida::Button* /*sender*/)
{
    importStopped.store(true);
    copyQueue.cancelAll(mediasVisible, state.numberOfSaveMedia);
    copyingProgressIndicator->setHidden(true);
    updateUI();
}
