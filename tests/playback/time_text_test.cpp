#include <gtest/gtest.h>

#include "playback/time_text.h"

using korvida::timeDisplay;

TEST(TimeTextTest, ElapsedAndRemainingTimes)
{
    EXPECT_EQ(timeDisplay(2, 95 * 600, 400 * 600, 600), "00:01:35");
    EXPECT_EQ(timeDisplay(1, 0, 3725 * 600, 600), "01:02:05");
    EXPECT_EQ(timeDisplay(1, 53, 247 * 1000 + 53, 1000), "00:04:07");
    EXPECT_EQ(timeDisplay(2, 0, 1000, 1000), "00:00:00");
    // Hours are not limited to two digits.
    EXPECT_EQ(timeDisplay(2, 360000 * 10, 2000000000, 10), "100:00:00");
}

TEST(TimeTextTest, TimesOutsideTheMovieShowNoTime)
{
    // No time scale (a movie still opening), a time past the end: no division by zero, no
    // negative minutes.
    EXPECT_EQ(timeDisplay(2, 5000, 0, 0), "00:00:00");
    EXPECT_EQ(timeDisplay(1, 5000, 4000, 1000), "00:00:00");
}
