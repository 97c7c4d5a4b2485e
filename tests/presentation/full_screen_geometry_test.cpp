#include <gtest/gtest.h>

#include <limits>

#include "presentation/full_screen_geometry.h"
#include "presentation/still_mouse.h"
#include "presentation/window_fades.h"

using korvida::makeRect;
using korvida::PanelAction;
using korvida::Point;

TEST(ControlPanelFrames, OnAScreenOf1280By800)
{
    const auto frames = korvida::controlPanelFrames(makeRect(0, 0, 1280, 800));
    EXPECT_EQ(frames.bottom, makeRect(0, 0, 1280, 130));
    EXPECT_EQ(frames.left, makeRect(0, 130, 200, 420));
    EXPECT_EQ(frames.right, makeRect(1080, 130, 200, 420));
    EXPECT_EQ(frames.top, makeRect(0, 570, 1280, 230));
}

TEST(ControlPanelFrames, FollowTheScreensOriginOnASecondScreen)
{
    const auto frames = korvida::controlPanelFrames(makeRect(1280, -100, 1920, 1080));
    EXPECT_EQ(frames.bottom, makeRect(1280, -100, 1920, 130));
    EXPECT_EQ(frames.right, makeRect(3000, 30, 200, 700));
    EXPECT_EQ(frames.top, makeRect(1280, 750, 1920, 230));
}

TEST(FullScreenContent, MovieAndPictureAreasWithAndWithoutPanels)
{
    const auto screen = makeRect(1280, 0, 1280, 800);
    // In the full-screen window's own coordinates, whatever the screen's origin.
    EXPECT_EQ(korvida::fullScreenMovieArea(screen, false), makeRect(0, 0, 1280, 800));
    EXPECT_EQ(korvida::fullScreenMovieArea(screen, true), makeRect(205, 130, 870, 390));
    EXPECT_EQ(korvida::fullScreenPictureArea(screen, false).size.width, 1280.0f / 3.0f);
    EXPECT_EQ(korvida::fullScreenPictureArea(screen, true).size.width, 1280.0f / 3.5f);
}

TEST(IsInsideRect, EveryEdgeBelongsToTheRectangle)
{
    const auto rect = makeRect(0, 0, 1280, 800);
    EXPECT_TRUE(korvida::isInsideRect(rect, 0, 0));
    EXPECT_TRUE(korvida::isInsideRect(rect, 1280, 800));
    EXPECT_FALSE(korvida::isInsideRect(rect, 1281, 400));
    EXPECT_FALSE(korvida::isInsideRect(rect, 640, -1));
}

class StillMouse : public ::testing::Test {
protected:
    PanelAction tick(bool visible, Point recorded, Point current)
    {
        return korvida::panelActionForTick(visible, screen, recorded, current, stillTicks);
    }

    korvida::Rect screen = makeRect(0, 0, 1280, 800);
    int stillTicks = 0;
};

TEST_F(StillMouse, AStillMouseNeverShowsThePanels)
{
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tick(false, Point{400, 300}, Point{400, 300}), PanelAction::None);
}

TEST_F(StillMouse, AMovementShowsThemAndTheThirdStillTickHidesThem)
{
    EXPECT_EQ(tick(false, Point{400, 300}, Point{401, 300}), PanelAction::Show);
    stillTicks = 0;
    EXPECT_EQ(tick(true, Point{401, 300}, Point{401, 300}), PanelAction::None);
    // Movement only delays: the still ticks already counted stay counted.
    EXPECT_EQ(tick(true, Point{401, 300}, Point{500, 300}), PanelAction::None);
    EXPECT_EQ(tick(true, Point{500, 300}, Point{500, 300}), PanelAction::None);
    EXPECT_EQ(tick(true, Point{500, 300}, Point{500, 300}), PanelAction::HideWithFade);
}

TEST_F(StillMouse, ARoundTripBetweenTicksIsNotSeen)
{
    // The mouse went away and came back to the very spot before the tick looked.
    EXPECT_EQ(tick(false, Point{400.5f, 300}, Point{400.5f, 300}), PanelAction::None);
    // Half a point is a movement, even where the truncated positions agree.
    EXPECT_EQ(tick(false, Point{400.5f, 300}, Point{400.0f, 300}), PanelAction::Show);
}

TEST_F(StillMouse, AMouseOnAnotherScreenHidesAtOnceWhetherOrNotItMoves)
{
    EXPECT_EQ(tick(true, Point{1500, 300}, Point{1500, 300}), PanelAction::HideAtOnce);
    EXPECT_EQ(tick(false, Point{1500, 300}, Point{1300, 300}), PanelAction::HideAtOnce);
    // Back on this screen and moving: the panels come back.
    EXPECT_EQ(tick(false, Point{1279.9f, 300}, Point{1000, 300}), PanelAction::Show);
}

TEST_F(StillMouse, APositionNoScreenHoldsIsOffScreen)
{
    EXPECT_EQ(tick(false, Point{std::numeric_limits<float>::quiet_NaN(), 0}, Point{0, 0}), PanelAction::HideAtOnce);
    EXPECT_EQ(tick(false, Point{1e30f, 0}, Point{0, 0}), PanelAction::HideAtOnce);
}

TEST(WindowFades, TenStepsEachWayEndingNearTheOtherEnd)
{
    const auto in = korvida::fadeInSteps();
    ASSERT_EQ(in.size(), 10u);
    EXPECT_EQ(in.front(), 0.0f);
    EXPECT_NEAR(in.back(), 0.9f, 1e-5f);
    const auto out = korvida::fadeOutSteps();
    ASSERT_EQ(out.size(), 10u);
    EXPECT_EQ(out.front(), 1.0f);
    EXPECT_NEAR(out.back(), 0.1f, 1e-5f);
}
