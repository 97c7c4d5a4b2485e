#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "app/main_app.h"
#include "browser/table_cells.h"
#include "copy_files.h"
#include "support/fake_services.h"
#include "support/temp_dir.h"
#include "support/tune_player.h"
#include "tools/device_writer/device_writer.h"

namespace {

// A controller on fake services, a player folder and the folder chosen for copies.
class CopyFixture : public ::testing::Test {
protected:
    CopyFixture() { std::filesystem::create_directory(chosen); }

    void launch()
    {
        app = std::make_unique<MainApp>(fakes.services());
        app->applicationDidFinishLaunching();
    }

    void finishRun()
    {
        if (app->worker.joinable())
            app->worker.join();
        fakes.mainThread.drain();
    }

    FakeServices fakes;
    TempDir root;
    std::filesystem::path player = root.path() / "player";
    std::filesystem::path chosen = root.path() / "chosen";
    std::unique_ptr<MainApp> app;
};

// A launched controller whose library holds small tunes, shown as the media table's rows.
class CopyRun : public CopyFixture {
protected:
    CopyRun()
    {
        std::filesystem::create_directory(player);
        // The start-up sound gives the player a movie, which the tick's progress step wants.
        fakes.resources.paths["Opstart.mp3"] = "/shipped/Opstart.mp3";
        launch();
    }

    InMedia& add(const std::string& name, int type = InMedia::kMusic, std::size_t size = 5000)
    {
        auto media = std::make_unique<InMedia>();
        media->setName(name);
        media->setArtist("Artist");
        media->setAlbum("Album");
        media->setFileType("mp3");
        media->setMediaType(type);
        media->setDay("01");
        media->setNameWithType(name + ".jpg");
        media->setTaged(true);
        media->setPath((player / name).string());
        writePatternFile(media->getPath(), size);
        app->medias.push_back(media.get());
        app->mediasVisible.push_back(std::move(media));
        return *app->mediasVisible.back();
    }

    void chooseFolder()
    {
        app->copyButton(app->copy.get());
        fakes.folderChooser.choose(chosen.string());
    }
};

} // namespace

TEST_F(CopyRun, CopyButtonAsksForAFolderAndCopiesTheTaggedItemsThere)
{
    add("One");
    add("Two").setTaged(false);
    add("Photo", InMedia::kPhoto);
    app->copyButton(app->copy.get());
    ASSERT_TRUE(fakes.folderChooser.request);
    EXPECT_EQ(fakes.folderChooser.request->prompt, "Copy Here");
    const char* home = std::getenv("HOME");
    EXPECT_EQ(fakes.folderChooser.request->startFolder, home != nullptr ? home : "/");
    EXPECT_EQ(fakes.folderChooser.sheetParent, app->mainWindow.get());

    fakes.folderChooser.choose(chosen.string());
    EXPECT_FALSE(app->copy->isEnabled());
    finishRun();
    EXPECT_TRUE(app->copy->isEnabled());
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    app->copyButton(app->copy.get());
    EXPECT_EQ(fakes.folderChooser.request->startFolder, chosen.string())
        << "the next sheet starts where this one ended";
    EXPECT_EQ(
        treeOf(chosen),
        (std::set<std::string>{"Music:Movies", "Music:Movies/Artist", "Music:Movies/Artist/Album",
                               "Music:Movies/Artist/Album/One.mp3", "Photos", "Photos/Artist", "Photos/Artist/Album",
                               "Photos/Artist/Album/01", "Photos/Artist/Album/01/Photo.jpg"}));
}

TEST_F(CopyRun, CancelledSheetOrImportChoiceStartsNothing)
{
    add("One");
    app->copyButton(app->copy.get());
    fakes.folderChooser.cancel();
    EXPECT_FALSE(app->workerRunning);
    EXPECT_TRUE(app->copy->isEnabled());

    fakes.folderChooser.request.reset();
    app->state.whereToImport = 1;
    app->copyButton(app->copy.get());
    EXPECT_FALSE(fakes.folderChooser.request);
    EXPECT_TRUE(std::filesystem::is_empty(chosen));
}

TEST_F(CopyRun, RunWithNothingTaggedEnablesCopyAgainWithACounterOfZero)
{
    add("One").setTaged(false);
    chooseFolder();
    finishRun();
    EXPECT_TRUE(app->copy->isEnabled());
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    EXPECT_TRUE(std::filesystem::is_empty(chosen));
}

TEST_F(CopyRun, FailedItemIsMarkedAndTheRunEndsWithItsSummaryUntilTheNextRun)
{
    add("Copied");
    InMedia& blocked = add("Blocked");
    blocked.setArtist("Clash");
    // A file where the artist folder must go: that copy cannot be written.
    writePatternFile((chosen / "Clash").string(), 10);
    std::filesystem::remove(add("Gone").getPath());

    chooseFolder();
    finishRun();
    EXPECT_EQ(blocked.getName(), "Failed Blocked");
    EXPECT_EQ(korvida::cellTextColour(korvida::BrowserTable::Media, "name", &blocked, nullptr),
              korvida::TextColour::Red);
    EXPECT_EQ(app->mediasVisible[0]->getName(), "Copied");
    app->doChecks();
    EXPECT_FALSE(app->copyingTextField->isHidden());
    EXPECT_EQ(
        app->copyingTextField->stringValue(),
        "1 copied, 0 skipped, 1 missing, 1 failed; could not copy Blocked: a file stands where a folder should be");

    // The next run forgets the failure: the way is clear now, and what is there is skipped.
    std::filesystem::remove(chosen / "Clash");
    app->mediasVisible[2]->setTaged(false);
    chooseFolder();
    finishRun();
    EXPECT_EQ(blocked.getName(), "Blocked");
    app->doChecks();
    EXPECT_EQ(app->copyingTextField->stringValue(), "1 copied, 1 skipped, 0 missing, 0 failed");
}

TEST_F(CopyRun, TickShowsTheSelectedItemsProgressAndTheCounter)
{
    InMedia& queued = add("Queued");
    app->mediaTableView->selectRow(0, false);
    app->settCopyingProgress(1638);
    EXPECT_EQ(app->copyingProgressIndicator->maxValue(), 1638.0);
    EXPECT_EQ(app->copyingProgressIndicator->doubleValue(), 0.0);
    app->showCopyingProgress(700);
    app->copyingProgressIndicator->setHidden(false);
    app->canselCopying->setHidden(false);

    // Queued, not yet copying: the tick leaves the indicator as it is.
    queued.setShouldStartCopy(true);
    app->state.numberOfSaveMedia = 3;
    app->doChecks();
    EXPECT_FALSE(app->copyingProgressIndicator->isHidden());
    EXPECT_EQ(app->copyingProgressIndicator->doubleValue(), 700.0);
    EXPECT_FALSE(app->copyingTextField->isHidden());
    EXPECT_FALSE(app->canselAllCopying->isHidden());
    EXPECT_EQ(app->copyingTextField->stringValue(), "3");

    // Neither queued nor copying: indicator and cancel go; a counter of 0 hides the rest.
    queued.setShouldStartCopy(false);
    app->state.numberOfSaveMedia = 0;
    app->doChecks();
    EXPECT_TRUE(app->copyingProgressIndicator->isHidden());
    EXPECT_TRUE(app->canselCopying->isHidden());
    EXPECT_TRUE(app->copyingTextField->isHidden());
    EXPECT_TRUE(app->canselAllCopying->isHidden());
}

TEST_F(CopyRun, CancelButtonsTakeQueuedItemsOffAndStopTheRunningCopy)
{
    InMedia& big = add("Big", InMedia::kMusic, 0);
    std::filesystem::resize_file(big.getPath(), 512u << 20); // sparse: large but cheap
    // The cancelled copy's own folders go with it; those another copy filled stay.
    big.setArtist("Cancelled");
    InMedia& next = add("Next");
    InMedia& last = add("Last");
    app->canselCopyingButton(app->canselCopying.get()); // no row selected: nothing happens
    chooseFolder();
    while (big.getPosisjon() == 0)
        std::this_thread::yield();
    EXPECT_EQ(app->state.numberOfSaveMedia, 3);

    app->mediaTableView->selectRow(2, false);
    app->canselCopyingButton(app->canselCopying.get());
    EXPECT_EQ(app->state.numberOfSaveMedia, 2);
    EXPECT_EQ(last.getName(), "Last");
    EXPECT_TRUE(app->canselCopying->isHidden());

    app->mediaTableView->selectRow(0, false);
    app->canselCopyingButton(app->canselCopying.get());
    finishRun();
    EXPECT_FALSE(next.getIsCopying());
    EXPECT_EQ(treeOf(chosen), (std::set<std::string>{"Artist", "Artist/Album", "Artist/Album/Next.mp3"}));
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
}

TEST_F(CopyRun, ClickingARowShowsThatItemsCopyState)
{
    InMedia& big = add("Big", InMedia::kMusic, 0);
    std::filesystem::resize_file(big.getPath(), 512u << 20);
    add("Queued");
    add("Idle").setTaged(false);
    chooseFolder();
    while (big.getPosisjon() == 0)
        std::this_thread::yield();

    app->mediaTableView->selectRow(1, false);
    app->mediaTableView->performClick();
    EXPECT_FALSE(app->canselCopying->isHidden());
    EXPECT_FALSE(app->copyingProgressIndicator->isHidden());
    EXPECT_TRUE(app->copyingProgressIndicator->isIndeterminate());

    app->mediaTableView->selectRow(0, false);
    app->mediaTableView->performClick();
    EXPECT_FALSE(app->copyingProgressIndicator->isIndeterminate());
    EXPECT_EQ(app->copyingProgressIndicator->maxValue(), (512u << 20) / 10);
    EXPECT_EQ(app->copyingProgressIndicator->doubleValue(), 0.0);
    app->doChecks();
    EXPECT_GT(app->copyingProgressIndicator->doubleValue(), 0.0);

    app->mediaTableView->selectRow(2, false);
    app->mediaTableView->performClick();
    EXPECT_TRUE(app->canselCopying->isHidden());
    EXPECT_TRUE(app->copyingProgressIndicator->isHidden());

    app->canselAllCopyingButton(app->canselAllCopying.get());
    finishRun();
    EXPECT_TRUE(std::filesystem::is_empty(chosen)) << "a cancelled run leaves no folder it made empty";
}

TEST_F(CopyRun, WorkerCancelButtonsAndTaggingRacingLeaveOnlyWholeFiles)
{
    constexpr int kItems = 2000;
    for (int i = 0; i < kItems; ++i)
        add("Song " + std::to_string(i), InMedia::kMusic, 32 + i % 500);
    chooseFolder();
    std::mt19937 random(11);
    for (int clicks = 0; app->workerRunning.load(); ++clicks) {
        app->mediaTableView->selectRow(static_cast<int>(random() % kItems), false);
        // Ticking boxes and the tag buttons while the worker reads the tags.
        app->medias[random() % kItems]->setTaged(clicks % 2 == 0);
        app->tagSelectedButton(clicks % 3 == 0 ? app->untagButton.get() : app->tagButton.get());
        app->canselCopyingButton(app->canselCopying.get());
        EXPECT_GE(app->state.numberOfSaveMedia.load(), 0);
        if (clicks % 64 == 0) {
            app->doChecks();
            fakes.mainThread.drain();
        }
        if (clicks == 2500)
            app->canselAllCopyingButton(app->canselAllCopying.get());
    }
    finishRun();

    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    EXPECT_TRUE(app->copy->isEnabled());
    for (const auto& media : app->mediasVisible) {
        EXPECT_EQ(media->getName(), media->getCleanName());
        const auto copy = chosen / "Artist/Album" / (media->getCleanName() + ".mp3");
        if (std::filesystem::exists(copy)) {
            EXPECT_EQ(readWholeFile(copy), readWholeFile(media->getPath()));
        }
    }
    for (const auto& name : treeOf(chosen))
        EXPECT_EQ(name.find(".korvida-"), std::string::npos) << name;
}

namespace {

// A controller launched without the start-up sound, as after a player has been opened:
// nothing is loaded in the movie view.
class CopyFromPlayer : public CopyFixture {
protected:
    CopyFromPlayer() { launch(); }

    // Writes a player of `titles`, drops it and lets the tick read it.
    void readPlayer(const std::vector<std::string>& titles)
    {
        korvida::devicewriter::Device device = tunePlayer(titles);
        device.withMediaFiles = true;
        ASSERT_TRUE(korvida::devicewriter::writeDevice(player, device));
        ASSERT_TRUE(app->droppOnIcon.readFromFile(player.string(), ""));
        app->doChecks();
        ASSERT_EQ(app->mediasVisible.size(), titles.size());
    }
};

} // namespace

TEST_F(CopyFromPlayer, ProgressBarMovesAndGoesWithTheCancelButtonsWhenTheRunEnds)
{
    readPlayer({"Big", "Small"});
    EXPECT_FALSE(app->visibleMovie);
    InMedia& big = *app->mediasVisible[0];
    std::filesystem::resize_file(big.getPath(), 512u << 20); // sparse: large but cheap
    for (const auto& media : app->mediasVisible)
        media->setTaged(true);

    app->copyButton(app->copy.get());
    fakes.folderChooser.choose(chosen.string());
    while (big.getPosisjon() == 0)
        std::this_thread::yield();
    app->mediaTableView->selectRow(0, false);
    app->mediaTableView->performClick();
    app->doChecks();
    EXPECT_FALSE(app->copyingProgressIndicator->isHidden());
    EXPECT_GT(app->copyingProgressIndicator->doubleValue(), 0.0);
    EXPECT_FALSE(app->canselAllCopying->isHidden());

    // The big copy is stopped behind the window's back; the small one ends the run while
    // no row is selected, so only the counter can tell the bar to go.
    app->copyQueue.cancel(big, app->state.numberOfSaveMedia);
    app->mediaTableView->deselectAll();
    finishRun();
    EXPECT_TRUE(std::filesystem::exists(chosen / "Artist/Album/Small.mp3"));
    app->doChecks();
    EXPECT_TRUE(app->copyingProgressIndicator->isHidden());
    EXPECT_TRUE(app->canselCopying->isHidden());
    EXPECT_TRUE(app->canselAllCopying->isHidden());
    EXPECT_EQ(app->copyingTextField->stringValue(), "1 copied, 0 skipped, 0 missing, 0 failed, 1 cancelled");
}

TEST_F(CopyFromPlayer, AFolderOnThePlayerIsRefusedWithAnAlert)
{
    readPlayer({"Song"});
    app->mediasVisible[0]->setTaged(true);
    app->copyButton(app->copy.get());
    fakes.folderChooser.choose((player / "iPod_Control/../Notes").string());
    ASSERT_EQ(fakes.alert.calls.size(), 1u);
    EXPECT_EQ(fakes.alert.calls[0].title, "Choose a folder outside the player");
    EXPECT_FALSE(app->worker.joinable());
    EXPECT_TRUE(app->copy->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(player / "Notes"));
}

TEST_F(CopyFromPlayer, TeardownCancelsTheQueueInsteadOfWaitingForIt)
{
    readPlayer({"Big", "Second", "Third"});
    InMedia& big = *app->mediasVisible[0];
    std::filesystem::resize_file(big.getPath(), 512u << 20);
    for (const auto& media : app->mediasVisible)
        media->setTaged(true);
    app->copyButton(app->copy.get());
    fakes.folderChooser.choose(chosen.string());
    while (big.getPosisjon() == 0)
        std::this_thread::yield();

    app.reset();
    EXPECT_TRUE(std::filesystem::is_empty(chosen));
}
