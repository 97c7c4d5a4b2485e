#include <gtest/gtest.h>

#include <cmath>

#include "presentation/fitting.h"
#include "presentation/main_window_layout.h"

using korvida::makeRect;
using korvida::Size;

TEST(FittingTest, PictureTakesTheRectWidthAndChangesHeightByTheSameAmount)
{
    EXPECT_EQ(korvida::getImageRess(Size{300, 300}, makeRect(0, 0, 500, 10)), (Size{500, 500}));
    EXPECT_EQ(korvida::getImageRess(Size{640, 480}, makeRect(7, 9, 320, 1)), (Size{320, 160}));
    EXPECT_EQ(korvida::getImageRess(Size{400, 300}, makeRect(0, 0, 200, 0)), (Size{200, 100}));
}

TEST(FittingTest, MovieFramesForTheScreenAndTheWindow)
{
    // The whole picture on the screen: a 4:3 film between bars at the sides, a wide one between
    // bars above and below.
    EXPECT_EQ(korvida::getScreenRess(Size{640, 480}, makeRect(0, 0, 1280, 600)), makeRect(240, 0, 800, 600));
    EXPECT_EQ(korvida::getScreenRess(Size{640, 360}, makeRect(10, 0, 1280, 800)), makeRect(10, 40, 1280, 720));
    EXPECT_EQ(korvida::getWindowScreenRess(Size{640, 480}, makeRect(10, 20, 400, 200)), makeRect(10, 20, 270, 200));
    // A film that fits the width keeps it and is centred vertically.
    EXPECT_EQ(korvida::getWindowScreenRess(Size{640, 360}, makeRect(0, 0, 640, 600)), makeRect(0, 120, 640, 360));
}

TEST(FittingTest, AMovieWithoutAPictureGetsTheRectUnchanged)
{
    // A tune has no natural size; dividing by it would put NaN into a view's frame.
    const auto rect = makeRect(5, 6, 300, 200);
    for (const Size natural : {Size{0, 0}, Size{640, 0}, Size{0, 480}}) {
        EXPECT_EQ(korvida::getScreenRess(natural, rect), rect);
        EXPECT_EQ(korvida::getWindowScreenRess(natural, rect), rect);
    }
    EXPECT_EQ(korvida::getScreenRess(static_cast<const korvida::Movie*>(nullptr), rect), rect);
}

TEST(MainWindowLayoutTest, TransportRowIsCentredUnderTheMediaArea)
{
    const auto layout = korvida::layoutMediaArea(korvida::Point{20, 100}, Size{800, 600}, std::nullopt, 50);
    EXPECT_EQ(layout.dragX, 29.0f);
    EXPECT_EQ(layout.dragY, 100.0f);
    EXPECT_EQ(layout.area, makeRect(29, 100, 757, 480));
    EXPECT_EQ(layout.centre, 407.0f);
    EXPECT_EQ(layout.transport.play.x, 382.0f);
    EXPECT_EQ(layout.transport.back.x, 282.0f);
    EXPECT_EQ(layout.transport.fastBack.x, 332.0f);
    EXPECT_EQ(layout.transport.fastForward.x, 437.0f);
    EXPECT_EQ(layout.transport.next.x, 489.0f);
    EXPECT_EQ(layout.transport.next.y, 0.0f);
    EXPECT_FALSE(layout.movieFrame.has_value());
}

TEST(MainWindowLayoutTest, MovieFrameIsFittedAndCentredOnTheArea)
{
    // Area (29, 100, 757, 480): a 640 x 480 film is too tall at the full width, so it takes
    // the area's height and is narrowed, then centred on c = 407.
    const auto layout = korvida::layoutMediaArea(korvida::Point{20, 100}, Size{800, 600}, Size{640, 480}, 50);
    ASSERT_TRUE(layout.movieFrame.has_value());
    const float excess = 480.0f * (757.0f / 640.0f) - 480.0f;
    const auto width = static_cast<float>(757.0 - 1.3 * static_cast<double>(excess));
    EXPECT_FLOAT_EQ(layout.movieFrame->size.width, width);
    EXPECT_FLOAT_EQ(layout.movieFrame->size.height, 480.0f);
    EXPECT_FLOAT_EQ(layout.movieFrame->origin.y, 100.0f);
    EXPECT_FLOAT_EQ(layout.movieFrame->origin.x, 407.0f - width / 2.0f);
}
