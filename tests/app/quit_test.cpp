#include <gtest/gtest.h>

#include "app_fixture.h"

using korvida::AlertChoice;

class Quit : public LaunchedApp {
protected:
    Quit() { launch(); }
};

TEST_F(Quit, WithNothingPendingEndsAtOnceWithoutAsking)
{
    app->quit(nullptr);
    EXPECT_EQ(fakes.application.terminations, 1);
    EXPECT_TRUE(fakes.alert.calls.empty());
    EXPECT_TRUE(fakes.tickDelay.delays.empty());
    EXPECT_EQ(app->mainWindow->alphaValue(), 1.0f);
}

TEST_F(Quit, FadesTheWindowOutWhenAsked)
{
    app->state.fadeWindows = 1;
    app->quit(nullptr);
    EXPECT_EQ(fakes.tickDelay.delays, std::vector<int>(10, 1));
    EXPECT_EQ(app->mainWindow->alphaValue(), 0.0f);
    EXPECT_EQ(fakes.application.terminations, 1);
}

TEST_F(Quit, IsIgnoredWhileASheetIsOpen)
{
    queueCopy("Song");
    app->openPreferencesButton(nullptr);
    app->quit(nullptr);
    app->preferencesPanel->endSheet();
    app->whereToImportPanel->beginSheet(*app->mainWindow);
    app->quit(nullptr);
    EXPECT_TRUE(fakes.alert.calls.empty());
    EXPECT_EQ(fakes.application.terminations, 0);
}

TEST_F(Quit, CancelLeavesPendingCopiesRunning)
{
    InMedia& song = queueCopy("Song");
    // The default answer, as Return gives it, is the safe one.
    app->quit(nullptr);

    ASSERT_EQ(fakes.alert.calls.size(), 1u);
    const AlertCall& alert = fakes.alert.calls.front();
    EXPECT_EQ(alert.title, "1 files are being copied");
    EXPECT_EQ(alert.message, "");
    EXPECT_EQ(alert.defaultButton, "Cancel");
    EXPECT_EQ(alert.alternateButton, "Quit");
    EXPECT_EQ(alert.otherButton, "");
    EXPECT_TRUE(song.getShouldStartCopy());
    EXPECT_EQ(app->state.numberOfSaveMedia, 1);
    EXPECT_EQ(fakes.application.terminations, 0);
}

TEST_F(Quit, RequestsWhileTheQuestionIsOpenAskNothingMore)
{
    queueCopy("Song");
    fakes.alert.answers = {AlertChoice::Alternate, AlertChoice::Alternate};
    fakes.alert.whileOpen = [this] {
        for (int press = 0; press < 4; ++press)
            app->quit(nullptr);
    };
    app->quit(nullptr);
    EXPECT_EQ(fakes.alert.calls.size(), 1u);
    EXPECT_EQ(fakes.application.terminations, 1) << "the one answer ends the program once";

    queueCopy("Again");
    app->quit(nullptr);
    EXPECT_EQ(fakes.alert.calls.size(), 2u) << "a later quit asks again";
}

TEST_F(Quit, QuitCancelsEveryCopyWaitsAndEndsWhenTheyHaveStopped)
{
    queueCopy("One");
    queueCopy("Two");
    fakes.alert.answers = {AlertChoice::Alternate};
    app->quit(nullptr);

    EXPECT_EQ(fakes.alert.calls.front().title, "2 files are being copied");
    EXPECT_EQ(fakes.tickDelay.delays, std::vector<int>{150});
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    EXPECT_TRUE(app->importStopped);
    EXPECT_EQ(app->pendingCopies(), 0);
    EXPECT_EQ(fakes.application.terminations, 1);
}

TEST_F(Quit, ACopyThatDoesNotStopInTimeKeepsTheProgramRunningUntilTheNextQuit)
{
    InMedia& stubborn = queueCopy("Stubborn");
    // Meanwhile a worker puts the item back in the queue: it is still pending after the wait.
    fakes.tickDelay.duringDelay = [&](int) {
        stubborn.setShouldStartCopy(true);
    };
    fakes.alert.answers = {AlertChoice::Alternate};
    app->quit(nullptr);
    EXPECT_EQ(fakes.application.terminations, 0);

    fakes.tickDelay.duringDelay = nullptr;
    stubborn.setShouldStartCopy(false);
    app->quit(nullptr);
    EXPECT_EQ(fakes.alert.calls.size(), 1u);
    EXPECT_EQ(fakes.application.terminations, 1);
}

TEST_F(Quit, TheHomePageOpensFromTheShippedFileInTheBrowser)
{
    app->donateUpdate(nullptr);
    EXPECT_TRUE(fakes.workspace.openedURLs.empty()) << "nothing to open without the page";
    EXPECT_EQ(fakes.alert.calls.size(), 1u) << "the About box instead";

    fakes.resources.paths["HomePage.html"] = "/usr/share/korvida/Home Page.html";
    app->donateUpdate(nullptr);
    EXPECT_EQ(fakes.workspace.openedURLs, (std::vector<std::string>{"file:///usr/share/korvida/Home%20Page.html"}));
    EXPECT_EQ(fakes.alert.calls.size(), 1u) << "no About box when the browser shows the page";
}

TEST_F(Quit, WithoutABrowserTheHomePageCommandShowsAnAboutBox)
{
    fakes.resources.paths["HomePage.html"] = "/usr/share/korvida/HomePage.html";
    fakes.workspace.browserStarts = false;
    app->donateUpdate(nullptr);
    ASSERT_EQ(fakes.alert.calls.size(), 1u);
    EXPECT_EQ(fakes.alert.calls[0].title, "About Korvida");
    EXPECT_NE(fakes.alert.calls[0].message.find("file:///usr/share/korvida/HomePage.html"), std::string::npos);
    EXPECT_EQ(fakes.alert.calls[0].alternateButton, "") << "one button only";
}
