#include <gtest/gtest.h>

#include <filesystem>

#include "app/player_folder.h"
#include "app/player_watch.h"
#include "app_fixture.h"

namespace fs = std::filesystem;

class PlayerNotices : public LaunchedApp {
protected:
    PlayerNotices() { launch(); }
};

TEST_F(PlayerNotices, ADroppedFolderThatIsNoPlayerIsToldInTheTitleForAFewTicks)
{
    const std::string player = writePlayer("IPOD", {"Kept"});
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();
    fs::create_directories(dir.path() / "Holiday");

    app->inImageView->performDragOperation(
        korvida::Pasteboard{{korvida::kFilenamesPboardType}, {(dir.path() / "Holiday").string()}});
    app->doChecks();
    EXPECT_EQ(app->mainWindow->title(), "Not a player: Holiday");
    EXPECT_TRUE(fakes.alert.calls.empty()) << "a drop is refused without a message box";
    for (int tick = 1; tick < korvida::PlayerWatch::kNoticeTicks; ++tick)
        app->doChecks();
    EXPECT_EQ(app->mainWindow->title(), "Not a player: Holiday");
    app->doChecks();
    EXPECT_EQ(app->mainWindow->title(), "IPOD");
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Kept"}));
}

TEST_F(PlayerNotices, AnUnpluggedPlayerIsNoticedAtTheTickAndItsReturnToo)
{
    const std::string player = writePlayer("IPOD", {"Kept"});
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();
    fs::rename(dir.path() / "IPOD", dir.path() / "away");
    app->doChecks();
    EXPECT_EQ(app->mainWindow->title(), "IPOD is no longer connected");
    EXPECT_TRUE(app->playerWatch.playerGone());
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Kept"})) << "the list stays on screen";

    fs::rename(dir.path() / "away", dir.path() / "IPOD");
    app->doChecks();
    EXPECT_EQ(app->mainWindow->title(), "IPOD");
}

TEST_F(PlayerNotices, WhatKeepsAFolderFromBeingAPlayerIsNamed)
{
    const std::string player = writePlayer("IPOD", {"Kept"});
    fs::create_directories(dir.path() / "Holiday");
    EXPECT_EQ(korvida::whyNotAPlayer(player), std::nullopt);
    EXPECT_EQ(korvida::whyNotAPlayer((dir.path() / "Holiday").string()), "no iPod_Control/Device/SysInfo");
    EXPECT_EQ(korvida::whyNotAPlayer((dir.path() / "nowhere").string()), "no such folder");
    EXPECT_EQ(korvida::whyNotAPlayer(player + "/iPod_Control/Device/SysInfo"), "not a folder");
}
