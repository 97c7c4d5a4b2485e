#include <gtest/gtest.h>

#include <vector>

#include "platform/button.h"
#include "platform/movie_view.h"
#include "platform/window.h"
#include "support/fake_services.h"

using korvida::Button;
using korvida::ButtonKind;
using korvida::Change;

TEST(Button, AClickFlipsToggleAndCheckBoxStatesButNotAPushButton)
{
    for (const auto& [kind, after] :
         {std::pair{ButtonKind::Push, 0}, std::pair{ButtonKind::Toggle, 1}, std::pair{ButtonKind::CheckBox, 1}}) {
        Button button(kind);
        int stateSeen = -1;
        button.setAction([&](Button& sender) { stateSeen = sender.state(); });
        button.performClick();
        EXPECT_EQ(stateSeen, after);
    }
}

TEST(Button, ADisabledButtonIgnoresClicks)
{
    Button button(ButtonKind::Toggle);
    int actions = 0;
    button.setAction([&](Button&) { ++actions; });
    button.setEnabled(false);
    button.performClick();
    EXPECT_EQ(actions, 0);
    EXPECT_EQ(button.state(), 0);
}

TEST(Controls, EveryChangeReachesTheOneObserver)
{
    Button button;
    std::vector<Change> changes;
    button.setObserver([&](Change change) { changes.push_back(change); });
    button.setHidden(true);
    button.setFrameSize(korvida::Size{60, 60});
    button.setEnabled(false);
    button.setImage(nullptr);
    EXPECT_EQ(changes, (std::vector<Change>{Change::Visibility, Change::Frame, Change::Enabled, Change::Content}));
    EXPECT_EQ(button.frame().size, (korvida::Size{60, 60}));
}

TEST(Panel, ASheetIsOnScreenFromItsBeginToItsEnd)
{
    korvida::Window window;
    korvida::Panel sheet;
    EXPECT_FALSE(sheet.isVisible());
    sheet.beginSheet(window);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.sheetParent(), &window);
    sheet.endSheet();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.sheetParent(), nullptr);
}

TEST(Window, SwappedContentFallsBackToItsOwnView)
{
    korvida::Window window;
    korvida::View* own = window.contentView();
    korvida::View other;
    window.setContentView(&other);
    EXPECT_EQ(window.contentView(), &other);
    window.setContentView(nullptr);
    EXPECT_EQ(window.contentView(), own);
}

TEST(MovieView, StartsAndStopsTheMovieItHoldsAndNothingWithout)
{
    korvida::MovieView view;
    view.start();
    view.setRate(6.0f);

    auto movie = std::make_shared<FakeMovie>();
    view.setMovie(movie);
    view.start();
    EXPECT_TRUE(movie->started);
    view.setRate(-6.0f);
    EXPECT_EQ(movie->rate(), -6.0f);
    view.stop();
    EXPECT_FALSE(movie->started);
}
