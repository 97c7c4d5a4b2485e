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
    const InMedia* media = row >= 0 && static_cast<std::size_t>(row) < medias.size() ? medias[row] : nullptr;
    const bool copying = media != nullptr && media->getIsCopying();
    const bool waiting = media != nullptr && !copying && media->getShouldStartCopy();
    // The selected item's bar and cancel button show for as long as it waits or copies,
    // whatever showed them first (a click, or a run started with the row already selected).
    if (copyingProgressIndicator->isHidden() == (copying || waiting))
        copyingProgressIndicator->setHidden(!copying && !waiting);
    if (canselCopying->isHidden() == (copying || waiting))
        canselCopying->setHidden(!copying && !waiting);
    if (!copying && !waiting)
        return;
    if (copyingProgressIndicator->isIndeterminate() != waiting)
        copyingProgressIndicator->setIndeterminate(waiting);
    if (!copying)
        return;
    // The bar runs from 0 to the item's size in tens of bytes (its low 32 bits).
    const auto size = static_cast<std::int32_t>(media->getFileSize());
    if (copyingProgressIndicator->maxValue() != size)
        settCopyingProgress(size);
    showCopyingProgress(static_cast<std::int32_t>(media->getPosisjon()));
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
