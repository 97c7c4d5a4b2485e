#include "app/main_app.h"

#include "app/preference_keys.h"

using korvida::kFadeWindowsKey;
using korvida::kSaveWithTrackNumberKey;
using korvida::kWhereToImportKey;
using korvida::kWriteStatisticsKey;

void MainApp::setFactoryDefaults()
{
    defaults.registerDefaults(
        {{kFadeWindowsKey, "0"}, {kSaveWithTrackNumberKey, "1"}, {kWhereToImportKey, "0"}, {kWriteStatisticsKey, "0"}});
}

void MainApp::loadDefaults()
{
    state.fadeWindows = defaults.integerForKey(kFadeWindowsKey);
    state.saveWithTrackNumber = defaults.integerForKey(kSaveWithTrackNumberKey);
    state.whereToImport = defaults.integerForKey(kWhereToImportKey);
    state.writeStatistics = defaults.integerForKey(kWriteStatisticsKey);
    if (defaults.objectForKey(korvida::kBrowserWidthKey))
        browserWidth = static_cast<float>(defaults.integerForKey(korvida::kBrowserWidthKey));
    loadShownMediaColumns();
}

void MainApp::saveDefaults()
{
    defaults.setIntegerForKey(state.fadeWindows, kFadeWindowsKey);
    defaults.setIntegerForKey(state.saveWithTrackNumber, kSaveWithTrackNumberKey);
    defaults.setIntegerForKey(state.whereToImport, kWhereToImportKey);
    defaults.setIntegerForKey(state.writeStatistics, kWriteStatisticsKey);
}

void MainApp::openPreferencesButton(korvida::Button* /*sender*/)
{
    fadingWindowsTagg->setState(state.fadeWindows);
    trackNumberTagg->setState(state.saveWithTrackNumber);
    iTunes_iPhotoImportTagg->setState(state.whereToImport);
    diskImportTagg->setState(state.whereToImport == 0 ? 1 : 0);
    writeStatisticsTagg->setState(state.writeStatistics);
    preferencesPanel->beginSheet(*mainWindow);
}

void MainApp::closePreferencesButton(korvida::Button* /*sender*/)
{
    // The folder choice is not read back: the import choice alone decides.
    state.whereToImport = iTunes_iPhotoImportTagg->state();
    state.fadeWindows = fadingWindowsTagg->state();
    state.saveWithTrackNumber = trackNumberTagg->state();
    state.writeStatistics = writeStatisticsTagg->state();
    saveDefaults();
    preferencesPanel->endSheet();
}
