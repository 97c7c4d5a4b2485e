#include <cstdint>

#include "app/main_app.h"

void MainApp::settCopyingProgress(int maximum)
{
    copyingProgressIndicator->setMinValue(0.0);
    copyingProgressIndicator->setMaxValue(maximum);
    copyingProgressIndicator->setDoubleValue(0.0);
}

void MainApp::showCopyingProgress(int value)
{
    copyingProgressIndicator->setDoubleValue(value);
}

void MainApp::showSelectedCopyProgress(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= medias.size())
        return;
    const InMedia& media = *medias[row];
    if (media.getIsCopying()) {
        showCopyingProgress(static_cast<std::int32_t>(media.getPosisjon()));
    } else if (!media.getShouldStartCopy()) {
        copyingProgressIndicator->setHidden(true);
        canselCopying->setHidden(true);
    }
}

void MainApp::showCopyCounter()
{
    const int pending = state.numberOfSaveMedia.load();
    if (pending > 0) {
        canselAllCopying->setHidden(false);
        copyingTextField->setHidden(false);
        copyingTextField->setIntValue(pending);
    } else {
        // The last run's summary stays until the next run or player.
        copyingTextField->setStringValue(copyRunSummary);
        copyingTextField->setHidden(copyRunSummary.empty());
        canselAllCopying->setHidden(true);
        canselCopying->setHidden(true);
        copyingProgressIndicator->setHidden(true);
    }
}
