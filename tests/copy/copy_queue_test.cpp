#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "copy/copy_queue.h"
#include "copy/run_folders.h"
#include "copy_files.h"
#include "library/in_media.h"
#include "support/temp_dir.h"

using korvida::CopyOutcome;

namespace {

struct Queue : ::testing::Test {
    Queue()
    {
        std::filesystem::create_directory(player);
        std::filesystem::create_directory(run);
    }

    InMedia& add(int type, bool tagged, std::size_t size = 100)
    {
        auto media = std::make_unique<InMedia>();
        const auto number = std::to_string(items.size());
        media->setName("Item " + number);
        media->setArtist("Artist");
        media->setAlbum("Album");
        media->setFileType("mp3");
        media->setMediaType(type);
        media->setTaged(tagged);
        media->setDay("1");
        media->setNameWithType("IMG_" + number + ".jpg");
        media->setPath((player / ("F" + number)).string());
        writePatternFile(media->getPath(), size);
        items.push_back(std::move(media));
        return *items.back();
    }

    std::vector<CopyOutcome> exportAll()
    {
        std::vector<CopyOutcome> outcomes;
        queue.exportQueued(items, korvida::prepareRunFolders(items, run.string()), delegat,
                           [&](const InMedia&, CopyOutcome outcome) { outcomes.push_back(outcome); });
        return outcomes;
    }

    TempDir root;
    std::filesystem::path player = root.path() / "player";
    std::filesystem::path run = root.path() / "run";
    std::vector<std::unique_ptr<InMedia>> items;
    korvida::CopyQueue queue;
    std::atomic<int> counter{0};
    std::atomic<int> saveWithTrackNumber{0};
    std::atomic<int> reloads{0};
    korvida::ExportDelegate delegat{counter, saveWithTrackNumber, [this] {
                                        ++reloads;
                                    }};
};

} // namespace

TEST_F(Queue, FoldersAreSplitOnlyWhenTunesAndPicturesAreBothTagged)
{
    add(InMedia::kMusic, true);
    add(InMedia::kMovie, true);
    add(InMedia::kPhoto, false);
    auto folders = korvida::prepareRunFolders(items, run.string());
    EXPECT_EQ(folders.musicMovies, run.string());
    EXPECT_EQ(folders.photos, run.string());
    EXPECT_TRUE(std::filesystem::is_empty(run));

    items[2]->setTaged(true);
    folders = korvida::prepareRunFolders(items, run.string());
    EXPECT_EQ(folders.musicMovies, (run / "Music:Movies").string());
    EXPECT_EQ(folders.photos, (run / "Photos").string());
    EXPECT_EQ(treeOf(run), (std::set<std::string>{"Music:Movies", "Photos"}));

    EXPECT_EQ(exportAll().size(), 0u); // nothing was queued
    queue.queueTagged(items, counter);
    EXPECT_EQ(exportAll(), std::vector<CopyOutcome>(3, CopyOutcome::copied));
    EXPECT_TRUE(std::filesystem::exists(run / "Music:Movies/Artist/Album/Item 0.mp3"));
    EXPECT_TRUE(std::filesystem::exists(run / "Photos/Artist/Album/1/IMG_2.jpg"));
}

TEST_F(Queue, AFolderTheRunMadeIsRemovedWhenItStaysEmptyAndNoOtherFolderIs)
{
    add(InMedia::kMusic, true);
    add(InMedia::kPhoto, true);
    add(InMedia::kPhoto, true);
    const auto cancelPictures = [this] {
        queue.queueTagged(items, counter);
        queue.cancel(*items[1], counter);
        queue.cancel(*items[2], counter);
    };
    cancelPictures();
    exportAll();
    EXPECT_EQ(treeOf(run),
              (std::set<std::string>{"Music:Movies", "Music:Movies/Artist", "Music:Movies/Artist/Album",
                                     "Music:Movies/Artist/Album/Item 0.mp3"}));

    // A "Photos" folder that was there before the run stays, empty as it is.
    std::filesystem::create_directory(run / "Photos");
    cancelPictures();
    queue.cancel(*items[0], counter);
    exportAll();
    EXPECT_TRUE(std::filesystem::is_directory(run / "Photos"));
    EXPECT_TRUE(std::filesystem::exists(run / "Music:Movies/Artist/Album/Item 0.mp3"));
}

TEST_F(Queue, CounterFollowsQueueCancelOneAndCancelAll)
{
    for (int i = 0; i < 5; ++i)
        add(InMedia::kMusic, i != 1);
    queue.queueTagged(items, counter);
    EXPECT_EQ(counter, 4);
    EXPECT_FALSE(items[1]->getShouldStartCopy());

    queue.cancel(*items[2], counter);
    EXPECT_EQ(counter, 3);
    EXPECT_FALSE(items[2]->getShouldStartCopy());
    queue.cancel(*items[2], counter); // no longer queued: nothing more to count down
    queue.cancel(*items[1], counter); // never queued
    EXPECT_EQ(counter, 3);

    // The run tells of the item cancelled while it waited too.
    EXPECT_EQ(exportAll(),
              (std::vector<CopyOutcome>{CopyOutcome::copied, CopyOutcome::cancelled, CopyOutcome::copied,
                                        CopyOutcome::copied}));
    EXPECT_EQ(counter, 0);
    EXPECT_FALSE(std::filesystem::exists(run / "Artist/Album/Item 2.mp3"));
    EXPECT_EQ(reloads, 3);

    queue.queueTagged(items, counter);
    queue.cancelAll(items, counter);
    EXPECT_EQ(counter, 0);
    for (const auto& item : items)
        EXPECT_EQ(item->getName(), item->getCleanName());
    EXPECT_EQ(exportAll(), std::vector<CopyOutcome>(4, CopyOutcome::cancelled));
    EXPECT_TRUE(exportAll().empty()) << "each cancelled item is told once";
}

TEST_F(Queue, CancellingTheRunningCopyStopsItAndTheRunGoesOn)
{
    InMedia& big = add(InMedia::kMusic, true, 0);
    std::filesystem::resize_file(big.getPath(), 512u << 20); // sparse: large but cheap
    add(InMedia::kMusic, true);
    queue.queueTagged(items, counter);

    std::vector<CopyOutcome> outcomes;
    std::thread worker([&] { outcomes = exportAll(); });
    while (big.getPosisjon() == 0)
        std::this_thread::yield();
    queue.cancel(big, counter);
    worker.join();

    EXPECT_EQ(outcomes, (std::vector<CopyOutcome>{CopyOutcome::cancelled, CopyOutcome::copied}));
    EXPECT_EQ(counter, 0);
    EXPECT_EQ(treeOf(run), (std::set<std::string>{"Artist", "Artist/Album", "Artist/Album/Item 1.mp3"}));

    // The stop request was used up by that copy and does not reach the next one.
    std::filesystem::remove_all(run / "Artist");
    items[1]->setTaged(false);
    std::filesystem::resize_file(big.getPath(), 40000);
    queue.queueTagged(items, counter);
    EXPECT_EQ(exportAll(), std::vector<CopyOutcome>{CopyOutcome::copied});
}

TEST_F(Queue, CancelsRacingTheWorkerCountEveryItemDownExactlyOnce)
{
    constexpr int kItems = 2000;
    for (int i = 0; i < kItems; ++i)
        add(InMedia::kMusic, true, 64 + i % 300);
    queue.queueTagged(items, counter);
    ASSERT_EQ(counter, kItems);

    std::vector<CopyOutcome> outcomes;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        outcomes = exportAll();
        done = true;
    });
    std::mt19937 random(7);
    int cancels = 0;
    while (!done.load()) {
        queue.cancel(*items[random() % kItems], counter);
        EXPECT_GE(counter.load(), 0);
        if (++cancels == 3000)
            queue.cancelAll(items, counter);
    }
    worker.join();

    // Every queued item was counted down once, by a cancel or by its own export, and its
    // outcome told once.
    EXPECT_EQ(counter, 0);
    EXPECT_EQ(outcomes.size(), static_cast<std::size_t>(kItems));
    std::size_t copied = 0;
    for (const auto& item : items) {
        EXPECT_FALSE(item->getShouldStartCopy());
        EXPECT_FALSE(item->getIsCopying());
        const auto copy = run / "Artist/Album" / (item->getCleanName() + ".mp3");
        if (std::filesystem::exists(copy)) {
            ++copied;
            EXPECT_EQ(readWholeFile(copy), readWholeFile(item->getPath()));
        }
    }
    EXPECT_EQ(copied, static_cast<std::size_t>(std::count(outcomes.begin(), outcomes.end(), CopyOutcome::copied)));
    for (const auto& name : treeOf(run))
        EXPECT_EQ(name.find(".korvida-"), std::string::npos) << name;

    // No stop request outlived its copy: a second run into a fresh folder copies everything.
    std::filesystem::remove_all(run);
    std::filesystem::create_directory(run);
    queue.queueTagged(items, counter);
    const auto again = exportAll();
    EXPECT_EQ(std::count(again.begin(), again.end(), CopyOutcome::copied), kItems);
}
