#include <gtest/gtest.h>

#include "app_fixture.h"

using Preferences = LaunchedApp;

TEST_F(Preferences, FirstLaunchUsesTheFactoryValuesWithoutWritingThem)
{
    MainApp& app = launch();
    EXPECT_EQ(app.state.fadeWindows, 0);
    EXPECT_EQ(app.state.saveWithTrackNumber, 1);
    EXPECT_EQ(app.state.whereToImport, 0);
    EXPECT_TRUE(fakes.defaults.values.empty());
}

TEST_F(Preferences, TheSheetsChoicesSurviveARestart)
{
    launch();
    app->openPreferencesButton(nullptr);
    EXPECT_TRUE(app->preferencesPanel->isVisible());
    EXPECT_EQ(app->preferencesPanel->sheetParent(), app->mainWindow.get());
    app->fadingWindowsTagg->performClick();
    app->trackNumberTagg->performClick();
    app->iTunes_iPhotoImportTagg->performClick();
    app->closePreferences->performClick();
    EXPECT_FALSE(app->preferencesPanel->isVisible());

    app.reset();
    MainApp& restarted = launch();
    EXPECT_EQ(restarted.state.fadeWindows, 1);
    EXPECT_EQ(restarted.state.saveWithTrackNumber, 0);
    EXPECT_EQ(restarted.state.whereToImport, 1);
}

TEST_F(Preferences, OpeningAndClosingWithoutChangesWritesTheCurrentValues)
{
    launch();
    app->openPreferencesButton(nullptr);
    app->closePreferencesButton(nullptr);
    EXPECT_EQ(fakes.defaults.writes, 4);
    EXPECT_EQ(fakes.defaults.values,
              (std::map<std::string, std::string>{{"fadeWindowsKey", "0"},
                                                  {"saveWithTrackNumberKey", "1"},
                                                  {"whereToImportKey", "0"},
                                                  {"writeStatisticsKey", "0"}}));
}

TEST_F(Preferences, TheTwoImportChoicesOpenAsAlternatives)
{
    launch();
    app->openPreferencesButton(nullptr);
    EXPECT_EQ(app->iTunes_iPhotoImportTagg->state(), 0);
    EXPECT_EQ(app->diskImportTagg->state(), 1);
    app->closePreferencesButton(nullptr);

    app->state.whereToImport = 1;
    app->openPreferencesButton(nullptr);
    EXPECT_EQ(app->iTunes_iPhotoImportTagg->state(), 1);
    EXPECT_EQ(app->diskImportTagg->state(), 0);
}

TEST_F(Preferences, OnlyTheImportChoiceDecidesWhereCopiesGo)
{
    launch();
    app->openPreferencesButton(nullptr);
    app->diskImportTagg->setState(0);
    app->closePreferencesButton(nullptr);
    EXPECT_EQ(app->state.whereToImport, 0);
}

TEST_F(Preferences, UnreadableStoredValuesReadAsZero)
{
    fakes.defaults.values = {{"saveWithTrackNumberKey", "on"}, {"fadeWindowsKey", "1"}};
    MainApp& app = launch();
    EXPECT_EQ(app.state.saveWithTrackNumber, 0);
    EXPECT_EQ(app.state.fadeWindows, 1);
}
