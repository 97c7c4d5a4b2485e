#include <gtest/gtest.h>

#include "app_fixture.h"

using korvida::kFilenamesPboardType;
using korvida::Pasteboard;

namespace {

Pasteboard fileDrag(std::vector<std::string> paths)
{
    return Pasteboard{{kFilenamesPboardType}, std::move(paths)};
}

} // namespace

class DeviceDrop : public LaunchedApp {
protected:
    DeviceDrop() { launch(); }
};

TEST_F(DeviceDrop, APlayerDroppedOnThePictureIsReadOnTheMainThreadsNextTurn)
{
    const std::string player = writePlayer("KORVIDA POD", {"One", "Two"});
    EXPECT_TRUE(app->inImageView->performDragOperation(fileDrag({player})));
    EXPECT_TRUE(mediaNames().empty()) << "a drop reads nothing by itself";

    fakes.timers.runNextTurn();

    EXPECT_FALSE(app->state.iPodDropped);
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"One", "Two"}));
    ASSERT_FALSE(app->state.playLists.empty());
    EXPECT_EQ(app->state.playLists.front()->getCleanListName(), "Music");
    EXPECT_EQ(app->medias.size(), 2u);
    // The name is the dropped folder's own, where the player is mounted.
    EXPECT_EQ(app->corentlyPlaing->stringValue(), "KORVIDA POD");
    EXPECT_EQ(app->mainWindow->title(), "KORVIDA POD");
    EXPECT_EQ(fakes.images.iconsAskedFor, (std::vector<std::string>{player}));
    EXPECT_EQ(app->inImageView->image(), app->inImage);
}

TEST_F(DeviceDrop, TheMovieViewAndTheIconTakeDropsLikeThePicture)
{
    const std::string first = writePlayer("FIRST", {"A"});
    const std::string second = writePlayer("SECOND", {"B"});

    EXPECT_EQ(app->mainMovieView->draggingEntered(Pasteboard{}), korvida::DragOperation::Copy);
    EXPECT_TRUE(app->mainMovieView->performDragOperation(fileDrag({first, second})));
    app->doChecks();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"A"})) << "the first of several dragged folders opens";

    EXPECT_TRUE(app->droppOnIcon.readFromFile(second + "/", "public.folder"));
    app->doChecks();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"B"}));
    EXPECT_EQ(app->corentlyPlaing->stringValue(), "SECOND");
}

TEST_F(DeviceDrop, ADragWithoutFileNamesIsRefused)
{
    EXPECT_EQ(app->inImageView->draggingEntered(Pasteboard{{"public.utf8-plain-text"}, {}}),
              korvida::DragOperation::Copy);
    EXPECT_FALSE(app->inImageView->performDragOperation(Pasteboard{{"public.utf8-plain-text"}, {"/x"}}));
    EXPECT_FALSE(app->inImageView->performDragOperation(fileDrag({})));
    EXPECT_FALSE(app->state.iPodDropped);
    EXPECT_TRUE(app->state.iPodPath.empty());
}

TEST_F(DeviceDrop, AFolderWithoutSysInfoOrAPlainFileIsNotReadAndTheLibraryStays)
{
    const std::string player = writePlayer("IPOD", {"Kept"});
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();

    std::filesystem::create_directories(dir.path() / "Holiday");
    const std::string plainFile = (dir.path() / "IPOD" / "iPod_Control" / "Device" / "SysInfo").string();
    for (const std::string& notAPlayer :
         {(dir.path() / "Holiday").string(), plainFile, (dir.path() / "missing").string()}) {
        app->droppOnIcon.readFromFile(notAPlayer, "");
        app->doChecks();
        EXPECT_FALSE(app->state.iPodDropped);
        EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Kept"})) << notAPlayer;
        EXPECT_EQ(app->corentlyPlaing->stringValue(), "IPOD");
    }
}

TEST_F(DeviceDrop, ADatabaseThatCannotBeReadIsToldAfterTheRestIsShown)
{
    const std::string player = writePlayer("IPOD", {"Lost"});
    const std::string iTunesDB = player + "/iPod_Control/iTunes/iTunesDB";
    std::filesystem::remove(iTunesDB);
    std::filesystem::create_directory(iTunesDB);
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();

    EXPECT_EQ(app->corentlyPlaing->stringValue(), "IPOD");
    ASSERT_EQ(fakes.alert.calls.size(), 1u);
    EXPECT_EQ(fakes.alert.calls[0].title, "Part of the player could not be read");
    EXPECT_EQ(fakes.alert.calls[0].message,
              "iPod_Control/iTunes/iTunesDB was not read: Is a directory.\n\n"
              "Everything else on the player is shown.");

    std::filesystem::remove(iTunesDB); // a whole player again tells nothing
    writePlayer("IPOD", {"Back"});
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Back"}));
    EXPECT_EQ(fakes.alert.calls.size(), 1u);
}

TEST_F(DeviceDrop, SeveralDropsBetweenTwoTicksReadTheLastOnceOnly)
{
    const std::string first = writePlayer("FIRST", {"A"});
    const std::string last = writePlayer("LAST", {"Z"});
    app->inImageView->performDragOperation(fileDrag({first}));
    app->droppOnIcon.readFromFile(first, "");
    app->mainMovieView->performDragOperation(fileDrag({last}));

    app->doChecks();
    app->doChecks();

    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Z"}));
    EXPECT_EQ(fakes.images.iconsAskedFor, (std::vector<std::string>{last}));
}

TEST_F(DeviceDrop, ADropWhileCopiesAreCountedIsDiscardedNotDeferred)
{
    const std::string first = writePlayer("FIRST", {"A"});
    const std::string second = writePlayer("SECOND", {"B"});
    app->droppOnIcon.readFromFile(first, "");
    app->doChecks();
    queueCopy("Queued");

    app->droppOnIcon.readFromFile(second, "");
    fakes.timers.runNextTurn();
    EXPECT_FALSE(app->state.iPodDropped);
    EXPECT_EQ(app->corentlyPlaing->stringValue(), "FIRST");

    app->state.numberOfSaveMedia = 0;
    app->doChecks();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"A", "Queued"}));
}

TEST_F(DeviceDrop, ADropWhileAWorkerStillRunsIsDiscardedEvenWithTheCounterAtZero)
{
    const std::string player = writePlayer("IPOD", {"A"});
    std::atomic<bool> release{false};
    app->startWorker([&] {
        while (!release.load())
            std::this_thread::yield();
    });

    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();
    release = true;
    app->worker.join();

    EXPECT_FALSE(app->state.iPodDropped);
    EXPECT_TRUE(mediaNames().empty());
    EXPECT_FALSE(app->workerRunning.load());
}

TEST_F(DeviceDrop, ReadingADeviceStopsPlaybackAndReplacesEveryList)
{
    const std::string player = writePlayer("IPOD", {"A", "B"});
    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();
    auto playingMovie = std::make_shared<FakeMovie>();
    playingMovie->start();
    app->visibleMovie = playingMovie;
    app->mainMovieView->setMovie(playingMovie);
    app->mainMovieView->setHidden(false);
    app->playing = true;
    app->whatIsTypeIsPlaying = 1;
    app->lastPlaydMedia = app->mediasVisible.front().get();
    app->play->setImage(app->pauseButtonImageControllPanel);
    app->genereTableView->selectRow(0, false);
    app->timeSlider->setMaxValue(600.0);
    app->timeSlider->setDoubleValue(300.0);
    app->timeLeft->setStringValue("-00:00:30");

    app->droppOnIcon.readFromFile(player, "");
    app->doChecks();

    // Nothing of the old item is shown any more: nothing plays, its times are gone.
    EXPECT_FALSE(playingMovie->started);
    EXPECT_FALSE(app->playing);
    EXPECT_EQ(app->play->image(), app->palyButtonImageControllPanel);
    EXPECT_EQ(app->timeSlider->maxValue(), 0.0);
    EXPECT_EQ(app->timeSlider->doubleValue(), 0.0);
    EXPECT_EQ(app->timeLeft->stringValue(), "");
    EXPECT_EQ(app->whatIsTypeIsPlaying, 2);
    EXPECT_EQ(app->visibleMovie, nullptr);
    EXPECT_EQ(app->lastPlaydMedia, nullptr);
    EXPECT_TRUE(app->mainMovieView->isHidden());
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(app->state.playLists.size(), 1u);
    for (InMedia* media : app->medias)
        EXPECT_TRUE(std::any_of(app->mediasVisible.begin(), app->mediasVisible.end(),
                                [&](const auto& owned) { return owned.get() == media; }));
}

TEST_F(DeviceDrop, APlayerWithoutADatabaseOpensAsAnEmptyDevice)
{
    std::filesystem::create_directories(dir.path() / "BLANK" / "iPod_Control" / "Device");
    korvida::devicewriter::writeFile(dir.path() / "BLANK" / "iPod_Control" / "Device" / "SysInfo", {});
    app->droppOnIcon.readFromFile((dir.path() / "BLANK").string(), "");
    app->doChecks();
    ASSERT_EQ(app->state.playLists.size(), 1u);
    EXPECT_EQ(app->state.playLists.front()->getCleanListName(), "Empty");
    EXPECT_EQ(app->mainWindow->title(), "BLANK");
}

TEST_F(DeviceDrop, TheDisplayIsKeptAwakeOnlyDuringFullScreenPlayback)
{
    app->doChecks();
    app->playing = true;
    app->doChecks();
    app->fullScreen = true;
    app->doChecks();
    app->playing = false;
    app->doChecks();
    EXPECT_EQ(fakes.keepAwake.reports, 1);
}

TEST_F(DeviceDrop, APlayerReadAheadIsTakenOnlyForItsOwnFolder)
{
    const std::string named = writePlayer("NAMED POD", {"One"});
    const std::string other = writePlayer("OTHER POD", {"Two", "Three"});

    app->readAhead.start(named);
    app->droppOnIcon.readFromFile(other, "folder");
    fakes.timers.runNextTurn();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"Two", "Three"})) << "another player's read is not shown";

    app->readAhead.start(named);
    app->droppOnIcon.readFromFile(named, "folder");
    fakes.timers.runNextTurn();
    EXPECT_EQ(mediaNames(), (std::vector<std::string>{"One"}));
    EXPECT_EQ(app->mainWindow->title(), "NAMED POD");
}

TEST_F(DeviceDrop, PhotosOfThePlayerJoinTheLibrary)
{
    korvida::devicewriter::Device device;
    device.withPhotos = true;
    device.photos = {{1, ":Full Resolution:2006:07:14:IMG_0101.JPG", "", ":Thumbs:F1019_1.ithmb"}};
    const auto root = dir.path() / "CAMERA POD";
    ASSERT_TRUE(korvida::devicewriter::writeDevice(root, device));
    app->droppOnIcon.readFromFile(root.string(), "");
    app->doChecks();
    ASSERT_EQ(app->mediasVisible.size(), 1u);
    EXPECT_EQ(app->mediasVisible.front()->getMediaType(), InMedia::kPhoto);

    // The photo reader on its own appends the photos and their library entry.
    const std::size_t entries = app->state.playLists.size();
    app->getPictTags();
    EXPECT_EQ(app->mediasVisible.size(), 2u);
    EXPECT_EQ(app->state.playLists.size(), entries + 1);
    EXPECT_EQ(app->state.playLists.back()->getCleanListName(), "Photos");
}
