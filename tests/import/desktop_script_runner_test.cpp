#include <gtest/gtest.h>

#include "../copy/copy_files.h"
#include "copy/copy_outcome.h"
#include "copy/export_naming.h"
#include "import/desktop_script_runner.h"
#include "import/import_scripts.h"
#include "import/user_folders.h"
#include "library/in_media.h"
#include "library/play_list.h"
#include "support/temp_dir.h"

using namespace korvida;
namespace fs = std::filesystem;

namespace {

// Hears what the runner would write into the copies' tags.
struct RecordingTagWriter : StatisticsTagWriter {
    bool writeStatisticsTags(const std::string& path, const StatisticsTagTexts& texts) override
    {
        written.emplace_back(path, texts.rating.value_or("-") + " " + texts.playCount.value_or("-"));
        return true;
    }
    std::vector<std::pair<std::string, std::string>> written;
};

// A small library on a player folder and a runner writing into three folders of a home.
class Runner : public ::testing::Test {
protected:
    Runner() { fs::create_directories(player); }

    InMedia& add(const std::string& title, int type, const std::string& file, std::size_t size = 3000)
    {
        auto media = std::make_unique<InMedia>();
        media->setName(title);
        media->setArtist("Artist");
        media->setAlbum("Album");
        media->setFileType(file.substr(file.rfind('.') + 1));
        media->setMediaType(type);
        media->setTuneOnCdNr(7);
        media->setPath((player / file).string());
        writePatternFile(media->getPath(), size);
        library.push_back(std::move(media));
        return *library.back();
    }

    bool run(const std::string& script)
    {
        const auto heard = [this](const InMedia&, CopyOutcome outcome) {
            outcomes.push_back(outcome);
        };
        return runner.executeImportScript(
            script, ScriptContext{library, playLists, heard, nullptr, playerFolder, writeStatistics});
    }

    void importTracks()
    {
        run(preparationScript(entries));
        for (const auto& item : library)
            if (item->getMediaType() != InMedia::kPhoto)
                run(trackScript(*item, entries, playLists));
    }

    std::string playlist(const std::string& name) { return readWholeFile(home / "Music/Playlists" / name); }

    TempDir root;
    fs::path player = root.path() / "player" / "iPod_Control";
    fs::path home = root.path() / "home";
    ImportFolders folders{(home / "Music").string(), (home / "Videos").string(), (home / "Pictures").string()};
    RecordingTagWriter tagWriter;
    DesktopScriptRunner runner{folders, &tagWriter};
    std::vector<std::unique_ptr<InMedia>> library;
    std::vector<std::unique_ptr<PlayList>> entries;
    std::vector<std::unique_ptr<PlayList>> playLists;
    std::vector<CopyOutcome> outcomes;
    std::string playerFolder;
    bool writeStatistics = false;
};

} // namespace

TEST_F(Runner, TunesFilmsAndPlaylistsLandUnderReadableNamesAndASecondRunAddsNothing)
{
    InMedia& tune = add("Song", InMedia::kMusic, "T1.mp3");
    InMedia& film = add("Film", InMedia::kMovie, "M1.m4v");
    playLists.push_back(std::make_unique<PlayList>());
    playLists.push_back(std::make_unique<PlayList>());
    playLists[1]->setListName("Road trip");
    for (InMedia* member : {&film, &tune, &film})
        playLists[1]->addMedia(member);
    entries.push_back(std::make_unique<PlayList>());
    entries[0]->setListName("Road trip");
    entries[0]->setTaged(true);

    importTracks();
    EXPECT_EQ(readWholeFile(home / "Music/Artist/Album/07 Song.mp3"), readWholeFile(tune.getPath()));
    EXPECT_EQ(readWholeFile(home / "Videos/Film.m4v"), readWholeFile(film.getPath()));
    EXPECT_EQ(playlist("Korvida.m3u8"),
              "#EXTM3U\n#EXTINF:-1,Artist - Song\n../Artist/Album/07 Song.mp3\n"
              "#EXTINF:-1,Artist - Film\n../../Videos/Film.m4v\n");
    // In the player's order, and a film standing twice in the playlist gets its line twice.
    EXPECT_EQ(playlist("Road trip.m3u8"),
              "#EXTM3U\n#EXTINF:-1,Artist - Film\n../../Videos/Film.m4v\n"
              "#EXTINF:-1,Artist - Song\n../Artist/Album/07 Song.mp3\n"
              "#EXTINF:-1,Artist - Film\n../../Videos/Film.m4v\n");
    const auto before = treeOf(home);
    const std::string korvida = playlist("Korvida.m3u8");
    importTracks();
    EXPECT_EQ(treeOf(home), before);
    EXPECT_EQ(playlist("Korvida.m3u8"), korvida);
    EXPECT_EQ(outcomes,
              (std::vector{CopyOutcome::copied, CopyOutcome::copied, CopyOutcome::skipped, CopyOutcome::skipped}));
}

TEST_F(Runner, AnotherFileOfTheSameNameGetsANumberedNameAndAFailedCopyNoLine)
{
    add("Song", InMedia::kMusic, "T1.mp3", 3000);
    add("Gone", InMedia::kMusic, "T2.mp3");
    fs::create_directories(home / "Music/Artist/Album");
    writePatternFile(home / "Music/Artist/Album/07 Song.mp3", 10);
    // A folder in the place of the gone tune's source makes its copy fail.
    fs::remove(library[1]->getPath());
    fs::create_directory(library[1]->getPath());

    importTracks();
    EXPECT_EQ(fs::file_size(home / "Music/Artist/Album/07 Song (2).mp3"), 3000u);
    EXPECT_EQ(fs::file_size(home / "Music/Artist/Album/07 Song.mp3"), 10u);
    EXPECT_EQ(playlist("Korvida.m3u8"), "#EXTM3U\n#EXTINF:-1,Artist - Song\n../Artist/Album/07 Song (2).mp3\n");
    EXPECT_EQ(treeOf(home / "Music/Artist/Album"), (std::set<std::string>{"07 Song.mp3", "07 Song (2).mp3"}));
}

TEST_F(Runner, StatisticsGoIntoFreshCopiesOnlyWhenAskedAndOnlyWhatThePlayerCounted)
{
    TuneStatistics counted;
    counted.rating = 80;
    counted.playCount = 12;
    add("Song", InMedia::kMusic, "T1.mp3").setStatistics(counted);
    TuneStatistics nothing;
    nothing.rating = 0;
    nothing.playCount = 0;
    add("Quiet", InMedia::kMusic, "T2.mp3").setStatistics(nothing);

    importTracks();
    EXPECT_TRUE(tagWriter.written.empty());

    // The copies are there from before: the user's files are not changed.
    writeStatistics = true;
    importTracks();
    EXPECT_TRUE(tagWriter.written.empty());

    fs::remove_all(home / "Music/Artist");
    importTracks();
    const std::vector<std::pair<std::string, std::string>> expected = {
        {(home / "Music/Artist/Album/07 Song.mp3").string(), "0.8 12"}};
    EXPECT_EQ(tagWriter.written, expected);
}

TEST_F(Runner, ATuneThatLinksOutOfThePlayerIsMissingAndNotRead)
{
    playerFolder = (root.path() / "player").string();
    add("Song", InMedia::kMusic, "T1.mp3");
    InMedia& secret = add("Secret", InMedia::kMusic, "T2.mp3");
    writePatternFile(root.path() / "key", 40);
    fs::remove(secret.getPath());
    fs::create_symlink(root.path() / "key", secret.getPath());

    importTracks();
    EXPECT_EQ(treeOf(home / "Music/Artist/Album"), (std::set<std::string>{"07 Song.mp3"}));
    EXPECT_EQ(outcomes, (std::vector<CopyOutcome>{CopyOutcome::copied, CopyOutcome::missing}));
}

TEST_F(Runner, HostileNamesRunNothingAndStayInsideTheFolders)
{
    const std::string shell = "\" & (do shell script \"touch " + (root.path() / "owned").string() + "\") & \"";
    InMedia& tune = add(shell, InMedia::kMusic, "T\"1\\.mp3");
    tune.setArtist("..");
    tune.setAlbum("../../..");
    tune.setTuneOnCdNr(0);
    InMedia& film = add("../x\nEvil", InMedia::kMovie, "M1.mov");
    film.setGenere(shell);
    InMedia& photo = add("Photo", InMedia::kPhoto, "P\"1.jpg");
    photo.setNameWithType("..");
    entries.push_back(std::make_unique<PlayList>());
    entries[0]->setListName("../Up");
    entries[0]->setTaged(true);

    importTracks();
    run(pictureScript({photo.getPath()}));
    run("tell application \"iTunes\"\n\tdo shell script \"touch " + (root.path() / "owned2").string() + "\"\nend tell");
    EXPECT_EQ(treeOf(root.path()).count("owned") + treeOf(root.path()).count("owned2"), 0u);
    const std::string expectedTune = "Music/_/..:..:../" + replaceUnsafeCharacters(shell) + ".mp3";
    EXPECT_EQ(readWholeFile(home / expectedTune), readWholeFile(tune.getPath()));
    EXPECT_TRUE(fs::exists(home / "Videos/..:x_Evil.mov"));
    EXPECT_TRUE(fs::exists(home / "Pictures/Korvida/_"));
    EXPECT_TRUE(fs::exists(home / "Music/Playlists/..:Up.m3u8"));
    for (const auto& entry : fs::recursive_directory_iterator(root.path()))
        EXPECT_TRUE(entry.path().string().starts_with(home.string()) ||
                    entry.path().string().starts_with((root.path() / "player").string()))
            << entry.path();
}

TEST(UserFolders, XdgNamesWinAndMissingOnesFallBackToTheHomeFolders)
{
    const ImportFolders folders = importFoldersFrom("# comment\nXDG_MUSIC_DIR=\"$HOME/Mu \\\"sic\\\"\"\n"
                                                    "XDG_VIDEOS_DIR=\"/data/films\"\nXDG_PICTURES_DIR=\"relative\"\n",
                                                    "/home/u");
    EXPECT_EQ(folders.music, "/home/u/Mu \"sic\"");
    EXPECT_EQ(folders.videos, "/data/films");
    EXPECT_EQ(folders.pictures, "/home/u/Pictures");
}
