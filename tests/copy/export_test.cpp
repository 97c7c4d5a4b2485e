#include <gtest/gtest.h>

#include "copy/copy_outcome.h"
#include "copy/export_delegate.h"
#include "copy/media_export.h"
#include "copy_files.h"
#include "library/in_media.h"
#include "support/temp_dir.h"

using korvida::CopyOutcome;

namespace {

struct Export : ::testing::Test {
    Export()
    {
        std::filesystem::create_directory(player);
        std::filesystem::create_directory(run);
    }

    TempDir root;
    std::filesystem::path player = root.path() / "player";
    std::filesystem::path run = root.path() / "run";
    std::atomic<int> counter{3};
    std::atomic<int> saveWithTrackNumber{1};
    int reloads = 0;
    korvida::ExportDelegate delegat{counter, saveWithTrackNumber, [this] { ++reloads; }};

    std::unique_ptr<InMedia> tune(const std::string& artist, const std::string& album, const std::string& name,
                                  int track, std::size_t size = 20000)
    {
        auto media = std::make_unique<InMedia>();
        media->setArtist(artist);
        media->setAlbum(album);
        media->setName(name);
        media->setFileType("mp3");
        media->setTuneOnCdNr(track);
        media->setMediaType(InMedia::kMusic);
        media->setPath((player / ("F" + std::to_string(serial++) + ".mp3")).string());
        writePatternFile(media->getPath(), size);
        return media;
    }

    std::unique_ptr<InMedia> picture(const std::string& year, const std::string& month, const std::string& day,
                                     const std::string& nameWithType)
    {
        auto media = tune(year, month, "", 0, 3000);
        media->setMediaType(InMedia::kPhoto);
        media->setDay(day);
        media->setNameWithType(nameWithType);
        return media;
    }

    std::string runFolder() const { return run.string(); }

    int serial = 0;
};

} // namespace

TEST_F(Export, TuneLandsUnderArtistAlbumAndNumberedName)
{
    auto media = tune("Night/Day", "Live", "Song.Two", 3);
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "Night:Day/Live/03 Song.Two.mp3"), readWholeFile(media->getPath()));
    EXPECT_EQ(counter.load(), 2);
    EXPECT_EQ(reloads, 1);

    saveWithTrackNumber = 0;
    auto plain = tune("Night/Day", "Live", "Song.Two", 3);
    EXPECT_EQ(korvida::exportMusicMovie(*plain, runFolder(), delegat), CopyOutcome::copied);
    auto noTrack = tune("Night/Day", "Live", "Other", 0);
    saveWithTrackNumber = 1;
    EXPECT_EQ(korvida::exportMusicMovie(*noTrack, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_EQ(treeOf(run), (std::set<std::string>{"Night:Day", "Night:Day/Live", "Night:Day/Live/03 Song.Two.mp3",
                                                         "Night:Day/Live/Song.Two.mp3", "Night:Day/Live/Other.mp3"}));
}

TEST_F(Export, SecondRunSkipsWhatIsThereAndKeepsTheCount)
{
    auto media = tune("A", "B", "C", 1);
    ASSERT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::copied);
    const auto before = treeOf(run);
    std::ofstream(run / "A/B/01 C.mp3", std::ios::app) << "changed by the user";
    const auto changed = readWholeFile(run / "A/B/01 C.mp3");

    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::skipped);
    EXPECT_EQ(readWholeFile(run / "A/B/01 C.mp3"), changed);
    EXPECT_EQ(treeOf(run), before);
    EXPECT_EQ(counter.load(), 2); // a skipped item does not count down
    EXPECT_EQ(reloads, 2);
}

TEST_F(Export, NamesFromThePlayerStayInsideTheRunFolder)
{
    auto media = tune("..", ".", "", 0);
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_EQ(treeOf(run), (std::set<std::string>{"_", "_/_", "_/_/_.mp3"}));

    auto photo = picture("../..", "..", "", "..");
    EXPECT_EQ(korvida::exportPicture(*photo, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_TRUE(std::filesystem::is_regular_file(run / "_/_/_/_/_"));
    for (const auto& name : treeOf(root.path()))
        EXPECT_TRUE(name.starts_with("run") || name.starts_with("player")) << name;
}

TEST_F(Export, PictureLandsUnderYearMonthDayKeepingItsName)
{
    auto photo = picture("2004", "05", "17", "a/b.jpg");
    EXPECT_EQ(korvida::exportPicture(*photo, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "2004/05/17/a:b.jpg"), readWholeFile(photo->getPath()));

    // A "/" in the date fields opens further levels, which are all created.
    auto deeper = picture("2004/x", "05", "17", "c.jpg");
    EXPECT_EQ(korvida::exportPicture(*deeper, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_TRUE(std::filesystem::exists(run / "2004/x/05/17/c.jpg"));
}

TEST_F(Export, MissingSourceMarksTheItemBrokenEveryTime)
{
    auto media = tune("A", "B", "Song", 1);
    std::filesystem::remove(media->getPath());
    media->setShouldStopCopy(true);
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::missing);
    EXPECT_TRUE(media->getIsBroken());
    EXPECT_EQ(media->getCleanName(), "BROKEN !! Song");
    EXPECT_EQ(counter.load(), 2);
    EXPECT_EQ(reloads, 1);
    EXPECT_TRUE(std::filesystem::is_empty(run));

    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::missing);
    EXPECT_EQ(media->getCleanName(), "BROKEN !! BROKEN !! Song");
}

TEST_F(Export, FolderBlockedByAFileFailsWithoutTouchingIt)
{
    auto media = tune("A", "B", "Song", 0);
    std::ofstream(run / "A") << "a file where the artist folder goes";
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::failed);
    EXPECT_EQ(readWholeFile(run / "A"), "a file where the artist folder goes");
    EXPECT_EQ(counter.load(), 2);
}
