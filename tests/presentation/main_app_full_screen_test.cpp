#include <gtest/gtest.h>

#include "app/app_fixture.h"

using korvida::makeRect;
using korvida::Point;

// Full-screen mode and its control panels on the toolkit model, on a screen of 1280 x 800.
class FullScreenTest : public LaunchedApp {
protected:
    FullScreenTest()
    {
        fakes.screens.frame = makeRect(0, 0, 1280, 800);
        launch();
        app->state.fadeWindows = 0;
    }

    // A film of 640 x 480 loaded and playing (or paused) at `time`.
    FakeMovie& loadFilm(bool playing, int type = 1)
    {
        auto film = std::make_shared<FakeMovie>();
        film->time = 1200;
        if (playing)
            film->start();
        app->visibleMovie = film;
        app->mainMovieView->setMovie(film);
        app->whatIsTypeIsPlaying = type;
        app->playing = playing;
        return *film;
    }

    // The 640 x 480 film on the whole screen: as tall as it, centred between bars at the sides.
    const korvida::Rect wholeScreenFilm = makeRect((1280 - 3200.0f / 3) / 2, 0, 3200.0f / 3, 800);

    void tickWithMouseAt(Point where)
    {
        fakes.cursor.location = where;
        app->doChecks();
    }

    bool panelsShown() const { return app->controllPanelFullScreen->isVisible(); }
};

TEST_F(FullScreenTest, EnteringBeforeAnythingPlayedShowsTheDropPictureAtAThirdOfTheScreenOnBlack)
{
    app->fullScreenButton(nullptr);
    ASSERT_TRUE(app->fullScreen);
    EXPECT_TRUE(fakes.cursor.hidden);
    EXPECT_TRUE(app->controllPannelHidden);
    for (korvida::Window* window : {app->backfullScreenPanel.get(), app->mainfullScreenPanel.get()}) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->frame(), makeRect(0, 0, 1280, 800));
        EXPECT_EQ(window->style(), korvida::WindowStyle::Borderless);
        EXPECT_EQ(window->level(), fakes.screens.shieldingLevel);
        EXPECT_EQ(window->backgroundColor(), korvida::Color::blackColor());
        EXPECT_EQ(window->alphaValue(), 1.0f);
    }
    EXPECT_EQ(app->mainfullScreenPanel->contentView(), app->fullScreenPanel->contentView());
    EXPECT_TRUE(app->fullScreenMovieView->isHidden());
    ASSERT_NE(app->inImage, nullptr);
    EXPECT_EQ(app->inImageViewFullScreen->image(), app->inImage);
    // 100 x 100 widened to 1280 / 3, the height by as much.
    EXPECT_FLOAT_EQ(app->inImage->size().width, 1280.0f / 3.0f);
    EXPECT_FLOAT_EQ(app->inImage->size().height, 100.0f + (1280.0f / 3.0f - 100.0f));
    // Fading is off: no waiting at all.
    EXPECT_TRUE(fakes.tickDelay.delays.empty());
}

TEST_F(FullScreenTest, LeavingWhilePausedKeepsTheFilmPausedAtItsPlace)
{
    FakeMovie& film = loadFilm(false);
    app->fullScreenButton(nullptr);
    EXPECT_EQ(app->mainMovieView->movie(), nullptr);
    EXPECT_EQ(app->fullScreenMovieView->movie().get(), &film);
    EXPECT_EQ(app->fullScreenMovieView->frame(), wholeScreenFilm);

    app->fullScreenButton(nullptr);
    EXPECT_FALSE(app->fullScreen);
    EXPECT_FALSE(film.started);
    EXPECT_EQ(film.time, 1200);
    EXPECT_EQ(app->mainMovieView->movie().get(), &film);
    EXPECT_FALSE(app->mainMovieView->isHidden());
    EXPECT_EQ(app->fullScreenMovieView->movie(), nullptr);
    EXPECT_FALSE(app->mainfullScreenPanel->isVisible());
    EXPECT_FALSE(app->backfullScreenPanel->isVisible());
    EXPECT_FALSE(fakes.cursor.hidden);
}

TEST_F(FullScreenTest, FadesRunTenStepsEachWayAndLeaveEveryWindowOpaque)
{
    app->state.fadeWindows = 1;
    loadFilm(true);
    app->fullScreenButton(nullptr);
    EXPECT_EQ(fakes.tickDelay.totalTicks(), 10);
    EXPECT_EQ(app->mainfullScreenPanel->alphaValue(), 1.0f);
    tickWithMouseAt(Point{10, 10});
    ASSERT_TRUE(panelsShown());
    EXPECT_EQ(fakes.tickDelay.totalTicks(), 20);

    app->fullScreenButton(nullptr);
    EXPECT_EQ(fakes.tickDelay.totalTicks(), 30);
    for (korvida::Window* window : {app->backfullScreenPanel.get(), app->mainfullScreenPanel.get(),
                                    app->controllPanelFullScreen.get(), app->selectControllPanelFullScreen.get()}) {
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->alphaValue(), 1.0f);
    }
}

TEST_F(FullScreenTest, AWindowThatCannotBeMadeLeavesTheModeOffWithTheCursorShown)
{
    fakes.screens.refuseWindows = true;
    app->fullScreenButton(nullptr);
    EXPECT_FALSE(app->fullScreen);
    EXPECT_FALSE(fakes.cursor.hidden);
    EXPECT_FALSE(app->mainfullScreenPanel->isVisible());
}

TEST_F(FullScreenTest, MovementShowsThePanelsAtTheirPlacesAndThreeStillTicksHideThem)
{
    FakeMovie& film = loadFilm(true);
    fakes.cursor.location = Point{600, 400};
    app->fullScreenButton(nullptr);
    for (int i = 0; i < 5; ++i)
        tickWithMouseAt(Point{600, 400});
    EXPECT_FALSE(panelsShown()) << "a still mouse never shows the panels";

    tickWithMouseAt(Point{610, 400});
    ASSERT_TRUE(panelsShown());
    EXPECT_FALSE(app->controllPannelHidden);
    EXPECT_FALSE(fakes.cursor.hidden);
    EXPECT_EQ(app->controllPanelFullScreen->frame(), makeRect(0, 0, 1280, 130));
    EXPECT_EQ(app->playlistsControllPanelFullScreen->frame(), makeRect(0, 130, 200, 420));
    EXPECT_EQ(app->namesControllPanelFullScreen->frame(), makeRect(1080, 130, 200, 420));
    EXPECT_EQ(app->selectControllPanelFullScreen->frame(), makeRect(0, 570, 1280, 230));
    EXPECT_EQ(app->namesControllPanelFullScreen->contentView(), app->namesControllPanel->contentView());
    EXPECT_EQ(app->selectControllPanelFullScreen->level(), fakes.screens.shieldingLevel);
    // The film between the panels: as tall as the 390 high space above the strip, centred in it.
    EXPECT_EQ(app->fullScreenMovieView->frame(), makeRect(380, 130, 520, 390));

    tickWithMouseAt(Point{610, 400});
    tickWithMouseAt(Point{620, 400}); // movement only delays
    tickWithMouseAt(Point{620, 400});
    EXPECT_TRUE(panelsShown());
    tickWithMouseAt(Point{620, 400});
    EXPECT_FALSE(panelsShown());
    EXPECT_TRUE(app->controllPannelHidden);
    EXPECT_TRUE(fakes.cursor.hidden);
    EXPECT_EQ(app->fullScreenMovieView->frame(), wholeScreenFilm);
    EXPECT_TRUE(film.started);
}

TEST_F(FullScreenTest, AMouseOnAnotherScreenHidesThePanelsAtOnceAndKeepsTheCursor)
{
    loadFilm(true, 3);
    fakes.cursor.location = Point{600, 400};
    app->fullScreenButton(nullptr);
    tickWithMouseAt(Point{700, 400});
    ASSERT_TRUE(panelsShown());
    tickWithMouseAt(Point{1500, 400});
    EXPECT_TRUE(panelsShown()) << "the position recorded at the tick before was on this screen";
    tickWithMouseAt(Point{1500, 400});
    EXPECT_FALSE(panelsShown());
    EXPECT_FALSE(fakes.cursor.hidden);
    // A picture is refitted like a film.
    EXPECT_EQ(app->fullScreenMovieView->frame(), wholeScreenFilm);
}

TEST_F(FullScreenTest, ATunesPictureTakesAThirdOfTheScreenOrLessWhileThePanelsShow)
{
    app->whatIsTypeIsPlaying = 2;
    fakes.cursor.location = Point{600, 400};
    app->fullScreenButton(nullptr);
    tickWithMouseAt(Point{700, 400});
    ASSERT_TRUE(panelsShown());
    EXPECT_FLOAT_EQ(app->inImage->size().width, 1280.0f / 3.5f);

    app->quitFullScreenControllerButton(nullptr);
    EXPECT_FALSE(panelsShown());
    EXPECT_TRUE(fakes.cursor.hidden);
    EXPECT_FLOAT_EQ(app->inImage->size().width, 1280.0f / 3.0f);
    // The position is recorded: they come back only after the next movement.
    tickWithMouseAt(Point{700, 400});
    EXPECT_FALSE(panelsShown());
}

TEST_F(FullScreenTest, TheDisplayIsKeptAwakeOncePerTickOnlyWhilePlayingInFullScreen)
{
    loadFilm(false);
    app->fullScreenButton(nullptr);
    app->doChecks();
    EXPECT_EQ(fakes.keepAwake.reports, 0);
    app->playing = true;
    app->doChecks();
    app->doChecks();
    EXPECT_EQ(fakes.keepAwake.reports, 2);
    app->fullScreenButton(nullptr);
    app->doChecks();
    EXPECT_EQ(fakes.keepAwake.reports, 2);
}
