#include "app/main_app.h"

void MainApp::canselAllCopyingButton(korvida::Button* /*sender*/)
{
    importStopped.store(true);
    for (const auto& media : mediasVisible) {
        const bool queued = media->getShouldStartCopy();
        if (!queued && !media->getIsCopying())
            continue;
        // A queued item is counted down here; a running copy counts itself down when it stops.
        if (queued)
            state.numberOfSaveMedia.fetch_sub(1);
        else
            media->setShouldStopCopy(true);
        media->setShouldStartCopy(false);
    }
    copyingProgressIndicator->setHidden(true);
    updateUI();
}
