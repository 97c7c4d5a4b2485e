#include <gtest/gtest.h>

#include "app_fixture.h"

using Launch = LaunchedApp;

TEST_F(Launch, LeavesTheWindowReadyForADropWithTheStartUpSoundPlaying)
{
    MainApp& app = launch();

    EXPECT_EQ(fakes.timers.interval, 1.0);
    EXPECT_EQ(fakes.timers.scheduled, 1);
    EXPECT_FALSE(app.playing);
    EXPECT_TRUE(app.controllPannelHidden);
    EXPECT_EQ(app.whatIsTypeIsPlaying, 2);

    // The sound plays from the shipped file on a player of its own, outside the movie views.
    EXPECT_EQ(fakes.movies.opened, (std::vector<std::string>{"/shipped/Opstart.mp3"}));
    ASSERT_NE(fakes.movies.last, nullptr);
    EXPECT_TRUE(fakes.movies.last->started);
    EXPECT_EQ(app.startupSound, fakes.movies.last);
    EXPECT_EQ(app.visibleMovie, nullptr);
    EXPECT_EQ(app.mainMovieView->movie(), nullptr);
    EXPECT_TRUE(app.mainMovieView->isHidden());
    EXPECT_FALSE(app.mainMovieView->isControllerVisible());
    EXPECT_FALSE(app.fullScreenMovieView->adjustsSize());

    // Nothing plays: both play buttons show play.
    EXPECT_EQ(app.play->image(), app.palyButtonImageControllPanel);
    EXPECT_EQ(app.play->frame().size, (korvida::Size{60, 60}));
    EXPECT_EQ(app.playButtonControllPanel->image(), app.palyButtonImageControllPanel);
    EXPECT_EQ(app.playButtonControllPanel->frame().size, (korvida::Size{70, 70}));
    EXPECT_EQ(app.fastBack->frame().size, (korvida::Size{55, 55}));
    EXPECT_EQ(app.fullScreenB->image(), app.fullScreenImage);
    EXPECT_EQ(app.fullScreenImage->size(), (korvida::Size{25, 25}));

    for (const korvida::View* copyControl :
         std::initializer_list<const korvida::View*>{app.copyingProgressIndicator.get(), app.canselCopying.get(),
                                                     app.canselAllCopying.get(), app.copyingTextField.get()})
        EXPECT_TRUE(copyControl->isHidden());

    EXPECT_EQ(app.inImageView->image(), app.inImage);
    EXPECT_NE(app.inImage, nullptr);
    EXPECT_FALSE(app.searchField->showsFocusRing());
    EXPECT_EQ(app.mainWindow->backgroundColor(), korvida::Color::blackColor());
    EXPECT_TRUE(app.mainWindow->isVisible());
    EXPECT_TRUE(app.mainWindow->isKeyWindow());
    EXPECT_EQ(app.mainWindow->alphaValue(), 1.0f);
    EXPECT_TRUE(fakes.tickDelay.delays.empty());
}

TEST_F(Launch, FadesTheWindowInThroughTenStepsWhenAsked)
{
    fakes.defaults.values["fadeWindowsKey"] = "1";
    std::vector<float> alphas;
    app = std::make_unique<MainApp>(fakes.services());
    app->mainWindow->setObserver([&](korvida::Change change) {
        if (change == korvida::Change::Alpha)
            alphas.push_back(app->mainWindow->alphaValue());
    });
    app->applicationDidFinishLaunching();

    EXPECT_EQ(fakes.tickDelay.delays, std::vector<int>(10, 1));
    ASSERT_EQ(alphas.size(), 12u); // made transparent, ten steps, then exactly opaque
    EXPECT_EQ(alphas.front(), 0.0f);
    EXPECT_NEAR(alphas[10], 0.9f, 1e-6);
    EXPECT_EQ(alphas.back(), 1.0f);
}

TEST_F(Launch, AMissingPictureLeavesItsFieldAndButtonEmpty)
{
    fakes.images.missing = {"PlayControllPanel.gif", "DropiPod.png"};
    fakes.resources.paths.clear();
    MainApp& app = launch();
    EXPECT_EQ(app.palyButtonImageControllPanel, nullptr);
    EXPECT_EQ(app.playButtonControllPanel->image(), nullptr);
    EXPECT_EQ(app.inImageView->image(), nullptr);
    EXPECT_NE(app.pauseButtonImageControllPanel, nullptr);
    EXPECT_EQ(app.startupSound, nullptr);
}

TEST_F(Launch, EveryOutletExistsAndEveryTableAsksTheController)
{
    MainApp& app = launch();
    for (const korvida::TableView* table :
         {app.mediaTableView.get(), app.genereTableView.get(), app.artistTableView.get(), app.albumTableView.get(),
          app.playListsTableView.get(), app.iTunesPlayListsTableView.get(), app.mediaTableViewFullScreen.get(),
          app.genereTableViewFullScreen.get(), app.artistTableViewFullScreen.get(), app.albumTableViewFullScreen.get(),
          app.playListTableViewFullScreen.get()})
        EXPECT_EQ(table->dataSource(), &app);

    for (const korvida::TableView* media : {app.mediaTableView.get(), app.mediaTableViewFullScreen.get()})
        for (const char* key : {"name", "artist", "album", "genere", "taged"})
            EXPECT_NE(media->tableColumnWithIdentifier(key), nullptr) << key;
    EXPECT_TRUE(app.mediaTableView->tableColumnWithIdentifier("taged")->isEditable());
    EXPECT_EQ(app.artistColumnMedia, app.mediaTableView->tableColumnWithIdentifier("artist"));
    EXPECT_EQ(app.albumColumn, app.albumTableView->tableColumnWithIdentifier("album"));
    EXPECT_EQ(app.artistColumnControllPanelFullScreen,
              app.artistTableViewFullScreen->tableColumnWithIdentifier("artist"));
    EXPECT_EQ(app.tagButton->tag(), 1);
    EXPECT_EQ(app.untagButton->tag(), 0);
    EXPECT_EQ(app.fastForward->kind(), korvida::ButtonKind::Toggle);
    EXPECT_EQ(app.fastBackControllPanel->kind(), korvida::ButtonKind::Toggle);
}

TEST_F(Launch, TheTimerRunsTheTickUntilTheControllerGoes)
{
    const std::string player = writePlayer("IPOD", {"One"});
    launch();
    app->droppOnIcon.readFromFile(player, "folder");
    fakes.timers.fire();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"One"}));

    app.reset();
    EXPECT_FALSE(fakes.timers.running());
}
