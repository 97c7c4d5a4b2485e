#include <gtest/gtest.h>

#include <chrono>

#include "copy/copy_outcome.h"
#include "copy/export_delegate.h"
#include "copy/media_export.h"
#include "copy/run_folders.h"
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
    korvida::ExportDelegate delegat{counter, saveWithTrackNumber, [this] {
                                        ++reloads;
                                    }};

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
    EXPECT_EQ(treeOf(run),
              (std::set<std::string>{"Night:Day", "Night:Day/Live", "Night:Day/Live/03 Song.Two.mp3",
                                     "Night:Day/Live/Song.Two.mp3", "Night:Day/Live/Other.mp3"}));
}

TEST_F(Export, SecondRunSkipsWhatIsThereAndKeepsTheCount)
{
    auto media = tune("A", "B", "C", 1);
    ASSERT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::copied);
    const auto before = treeOf(run);

    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::skipped);
    EXPECT_EQ(treeOf(run), before);
    EXPECT_EQ(counter.load(), 2); // a skipped item does not count down
    EXPECT_EQ(reloads, 2);

    // A file the user changed is kept; the item arrives beside it under the next number.
    std::ofstream(run / "A/B/01 C.mp3", std::ios::app) << "changed by the user";
    const auto changed = readWholeFile(run / "A/B/01 C.mp3");
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "A/B/01 C.mp3"), changed);
    EXPECT_EQ(readWholeFile(run / "A/B/01 C (2).mp3"), readWholeFile(media->getPath()));
}

TEST_F(Export, SameNamedItemsAllArriveAndASecondRunCopiesNothing)
{
    // "01 Intro" on each disc of a double album, a third of yet another size, and a fourth
    // of the first one's size but another time.
    std::vector<std::unique_ptr<InMedia>> discs;
    for (std::size_t size : {20000, 30000, 40000, 20000})
        discs.push_back(tune("Band", "Double", "Intro", 1, size));
    std::filesystem::last_write_time(discs[3]->getPath(),
                                     std::filesystem::last_write_time(discs[0]->getPath()) - std::chrono::hours(1));
    for (int run = 0; run < 2; ++run)
        for (auto& disc : discs)
            EXPECT_EQ(korvida::exportMusicMovie(*disc, runFolder(), delegat),
                      run == 0 ? CopyOutcome::copied : CopyOutcome::skipped);
    EXPECT_EQ(readWholeFile(run / "Band/Double/01 Intro.mp3"), readWholeFile(discs[0]->getPath()));
    EXPECT_EQ(readWholeFile(run / "Band/Double/01 Intro (2).mp3"), readWholeFile(discs[1]->getPath()));
    EXPECT_EQ(readWholeFile(run / "Band/Double/01 Intro (3).mp3"), readWholeFile(discs[2]->getPath()));
    EXPECT_EQ(readWholeFile(run / "Band/Double/01 Intro (4).mp3"), readWholeFile(discs[3]->getPath()));
    EXPECT_EQ(treeOf(run).size(), 6u);
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

namespace {

// A destination that refuses what FAT and exFAT refuse, as Linux's drivers for them do.
class FatLikeFileSystem final : public korvida::DestinationFileSystem {
public:
    std::error_code makeFolder(const std::string& path) override
    {
        const std::string name = path.substr(path.rfind('/') + 1);
        if (name.find_first_of(":\\*?\"<>|") != std::string::npos)
            return std::make_error_code(std::errc::invalid_argument);
        return korvida::localFileSystem().makeFolder(path);
    }
    void removeEmptyFolder(const std::string& path) override { korvida::localFileSystem().removeEmptyFolder(path); }
    std::error_code writeWholeFile(const std::string& path, const std::string& text) override
    {
        return korvida::localFileSystem().writeWholeFile(path, text);
    }
};

} // namespace

TEST_F(Export, RefusedNamesTakeThePortableFormOnlyWhereRefused)
{
    FatLikeFileSystem fat;
    korvida::ExportDelegate onFat{counter, saveWithTrackNumber, [] {}, "", &fat};
    auto acdc = tune("AC/DC", "Live", "T.N.T?", 2);
    EXPECT_EQ(korvida::exportMusicMovie(*acdc, runFolder(), onFat), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "AC_DC/Live/02 T.N.T_.mp3"), readWholeFile(acdc->getPath()));

    // The folder takes the colon but the file name holds a refused character: probed first.
    std::filesystem::create_directories(run / "Plain/Album");
    auto question = tune("Plain", "Album", "Why?", 0);
    EXPECT_EQ(korvida::exportMusicMovie(*question, runFolder(), onFat), CopyOutcome::copied);
    EXPECT_TRUE(std::filesystem::exists(run / "Plain/Album/Why_.mp3"));

    // A re-run finds what it copied; ext4 keeps the names as they are.
    EXPECT_EQ(korvida::exportMusicMovie(*acdc, runFolder(), onFat), CopyOutcome::skipped);
    EXPECT_EQ(korvida::exportMusicMovie(*acdc, runFolder(), delegat), CopyOutcome::copied);
    EXPECT_TRUE(std::filesystem::exists(run / "AC:DC/Live/02 T.N.T?.mp3"));

    // Tunes and pictures together: the tunes' folder too.
    std::vector<std::unique_ptr<InMedia>> items;
    items.push_back(tune("A", "B", "C", 0));
    items.push_back(picture("2004", "05", "17", "p.jpg"));
    for (auto& item : items)
        item->setTaged(true);
    std::filesystem::create_directory(run / "mixed");
    EXPECT_EQ(korvida::prepareRunFolders(items, (run / "mixed").string(), fat).musicMovies,
              (run / "mixed/Music_Movies").string());
    EXPECT_TRUE(std::filesystem::is_directory(run / "mixed/Music_Movies"));
}

TEST_F(Export, LinkOutOfThePlayerCountsAsMissingAndIsNotRead)
{
    const auto secret = root.path() / "secret";
    std::ofstream(secret) << "a key of the user's";
    korvida::ExportDelegate guarded{counter, saveWithTrackNumber, [] {}, player.string()};
    auto outside = tune("A", "B", "Key", 0);
    std::filesystem::remove(outside->getPath());
    std::filesystem::create_symlink(secret, outside->getPath());
    EXPECT_EQ(korvida::exportMusicMovie(*outside, runFolder(), guarded), CopyOutcome::missing);
    EXPECT_TRUE(std::filesystem::is_empty(run));
    EXPECT_EQ(counter.load(), 2);

    // A link that stays on the player is followed.
    auto inside = tune("A", "B", "Song", 0);
    const auto target = player / "elsewhere.mp3";
    std::filesystem::rename(inside->getPath(), target);
    std::filesystem::create_symlink(target, inside->getPath());
    EXPECT_EQ(korvida::exportMusicMovie(*inside, runFolder(), guarded), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "A/B/Song.mp3"), readWholeFile(target));

    // So are the files of a player whose own control folder is a link elsewhere.
    const auto media = root.path() / "media";
    std::filesystem::create_directories(media / "Music");
    std::filesystem::create_directory_symlink(media, player / "iPod_Control");
    auto linked = tune("A", "B", "Linked", 0);
    const auto linkedFile = player / "iPod_Control/Music/F1.mp3";
    std::filesystem::rename(linked->getPath(), linkedFile);
    linked->setPath(linkedFile.string());
    EXPECT_EQ(korvida::exportMusicMovie(*linked, runFolder(), guarded), CopyOutcome::copied);
    EXPECT_EQ(readWholeFile(run / "A/B/Linked.mp3"), readWholeFile(linkedFile));
}

TEST_F(Export, FailedItemLeavesNoEmptyFolderBehind)
{
    auto media = tune("Artist", "Album", "Song", 0);
    std::filesystem::remove(media->getPath());
    std::filesystem::create_directory(media->getPath()); // not a file: cannot be read
    std::filesystem::create_directory(run / "Artist");
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::failed);
    EXPECT_EQ(treeOf(run), std::set<std::string>{"Artist"}); // only what was there before
    EXPECT_EQ(counter.load(), 2);

    // An empty file under its name is not taken for an earlier copy of an unreadable source.
    std::filesystem::create_directories(run / "Artist/Album");
    std::ofstream(run / "Artist/Album/Song.mp3").close();
    EXPECT_EQ(korvida::exportMusicMovie(*media, runFolder(), delegat), CopyOutcome::failed);
}
