#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

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

// The real file system, counting the whole-file writes; it can refuse what FAT and exFAT
// refuse, and it can be full.
class WatchedFileSystem final : public DestinationFileSystem {
public:
    bool fat = false;
    bool full = false;
    std::vector<std::string> written;

    std::error_code makeFolder(const std::string& path) override
    {
        if (fat && path.substr(path.rfind('/') + 1).find_first_of(":\\*?\"<>|") != std::string::npos)
            return std::make_error_code(std::errc::invalid_argument);
        return localFileSystem().makeFolder(path);
    }
    void removeEmptyFolder(const std::string& path) override { localFileSystem().removeEmptyFolder(path); }
    std::error_code writeWholeFile(const std::string& path, const std::string& text) override
    {
        written.push_back(fs::path(path).filename().string());
        return full ? std::make_error_code(std::errc::no_space_on_device)
                    : localFileSystem().writeWholeFile(path, text);
    }
};

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

    // The scripts of every tune and film; the run is not finished.
    void runTracks()
    {
        run(preparationScript(entries));
        for (const auto& item : library)
            if (item->getMediaType() != InMedia::kPhoto)
                run(trackScript(*item, entries, playLists));
    }

    std::vector<UnwrittenFile> importTracks()
    {
        runTracks();
        return runner.finishImport();
    }

    // A player playlist of `members`, ticked for the import.
    void tick(const std::string& name, std::initializer_list<InMedia*> members)
    {
        if (playLists.empty())
            playLists.push_back(std::make_unique<PlayList>());
        playLists.push_back(std::make_unique<PlayList>());
        playLists.back()->setListName(name);
        for (InMedia* member : members)
            playLists.back()->addMedia(member);
        entries.push_back(std::make_unique<PlayList>());
        entries.back()->setListName(name);
        entries.back()->setTaged(true);
    }

    std::string playlist(const std::string& name) { return readWholeFile(home / "Music/Playlists" / name); }

    TempDir root;
    fs::path player = root.path() / "player" / "iPod_Control";
    fs::path home = root.path() / "home";
    ImportFolders folders{(home / "Music").string(), (home / "Videos").string(), (home / "Pictures").string()};
    WatchedFileSystem fileSystem;
    RecordingTagWriter tagWriter;
    DesktopScriptRunner runner{folders, fileSystem, &tagWriter};
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
    tick("Road trip", {&film, &tune, &film});

    EXPECT_TRUE(importTracks().empty());
    EXPECT_EQ(readWholeFile(home / "Music/Artist/Album/07 Song.mp3"), readWholeFile(tune.getPath()));
    EXPECT_EQ(readWholeFile(home / "Videos/Film.m4v"), readWholeFile(film.getPath()));
    EXPECT_EQ(playlist("Korvida.m3u8"),
              "#EXTM3U\n#EXTINF:-1,Artist - Song\n../Artist/Album/07 Song.mp3\n"
              "#EXTINF:-1,Artist - Film\n../../Videos/Film.m4v\n");
    // In the player's order, and a film standing twice in the playlist gets its line twice.
    EXPECT_EQ(playlist("Road trip.m3u8"),
              "#EXTM3U\n#PLAYLIST:Road trip\n#EXTINF:-1,Artist - Film\n../../Videos/Film.m4v\n"
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
    // The file already there has the tune's size but another time: it is another file.
    fs::create_directories(home / "Music/Artist/Album");
    writePatternFile(home / "Music/Artist/Album/07 Song.mp3", 3000);
    fs::last_write_time(home / "Music/Artist/Album/07 Song.mp3",
                        fs::last_write_time(library[0]->getPath()) - std::chrono::hours(24));
    // A folder in the place of the gone tune's source makes its copy fail.
    fs::remove(library[1]->getPath());
    fs::create_directory(library[1]->getPath());

    importTracks();
    EXPECT_EQ(readWholeFile(home / "Music/Artist/Album/07 Song (2).mp3"), readWholeFile(library[0]->getPath()));
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

    // A folder of the user's that leads onto the player is not written through.
    add("Onto", InMedia::kMusic, "T3.mp3").setArtist("Onto");
    fs::create_symlink(root.path() / "player", home / "Music/Onto");
    importTracks();
    EXPECT_EQ(outcomes.back(), CopyOutcome::failed);
    EXPECT_FALSE(fs::exists(root.path() / "player/Album"));
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
    tick("../Up", {&tune});

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

TEST_F(Runner, PlaylistsAreWrittenOnceWhenTheRunEndsWithWhatItImported)
{
    InMedia& one = add("One", InMedia::kMusic, "T1.mp3");
    InMedia& two = add("Two", InMedia::kMusic, "T2.mp3");
    InMedia& three = add("Three", InMedia::kMusic, "T3.mp3");
    tick("Road trip", {&three, &two, &one});
    // The last tune's copy is stopped, as a cancel during it does.
    three.setShouldStopCopy(true);

    runTracks();
    EXPECT_TRUE(fileSystem.written.empty()) << "nothing is written before the run ends";
    EXPECT_TRUE(runner.finishImport().empty());
    std::sort(fileSystem.written.begin(), fileSystem.written.end());
    EXPECT_EQ(fileSystem.written, (std::vector<std::string>{"Korvida.m3u8", "Road trip.m3u8"}));
    EXPECT_EQ(playlist("Road trip.m3u8"),
              "#EXTM3U\n#PLAYLIST:Road trip\n"
              "#EXTINF:-1,Artist - Two\n../Artist/Album/07 Two.mp3\n"
              "#EXTINF:-1,Artist - One\n../Artist/Album/07 One.mp3\n");
    EXPECT_EQ(outcomes.back(), CopyOutcome::cancelled);
}

TEST_F(Runner, AnInterruptedImportLeavesNoEmptyFolderAndNoEmptyPlaylist)
{
    InMedia& tune = add("Song", InMedia::kMusic, "T1.mp3");
    tune.setAlbum("Unfinished");
    tick("Road trip", {&tune});
    tune.setShouldStopCopy(true);

    EXPECT_TRUE(importTracks().empty());
    EXPECT_EQ(outcomes, std::vector{CopyOutcome::cancelled});
    EXPECT_TRUE(treeOf(home / "Music").empty());
}

TEST_F(Runner, PlaylistsThatCannotBeWrittenAreToldAndNoneIsLeftHalfMade)
{
    InMedia& tune = add("Song", InMedia::kMusic, "T1.mp3");
    tick("Road trip", {&tune});
    fileSystem.full = true;
    const auto unwritten = importTracks();
    ASSERT_EQ(unwritten.size(), 2u);
    EXPECT_EQ(unwritten[0].path, (home / "Music/Playlists/Korvida.m3u8").string());
    EXPECT_EQ(unwritten[1].error, std::errc::no_space_on_device);
    EXPECT_TRUE(treeOf(home / "Music/Playlists").empty());

    // A file where the playlists' folder goes.
    fileSystem.full = false;
    fs::remove(home / "Music/Playlists");
    std::ofstream(home / "Music/Playlists") << "not a folder";
    const auto again = importTracks();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].error, std::errc::not_a_directory);
    EXPECT_EQ(readWholeFile(home / "Music/Playlists"), "not a folder");
}

TEST_F(Runner, CollidingPlaylistNamesGetFilesOfTheirOwnThatTheyKeep)
{
    InMedia& first = add("First", InMedia::kMusic, "T1.mp3");
    for (const char* name : {"Korvida", "A/B", "A:B", ".", ".."})
        tick(name, {&first});
    EXPECT_TRUE(importTracks().empty());
    const std::string line = "#EXTINF:-1,Artist - First\n../Artist/Album/07 First.mp3\n";
    const std::map<std::string, std::string> heads = {
        {"Korvida.m3u8", "#EXTM3U\n"},
        {"Korvida (2).m3u8", "#EXTM3U\n#PLAYLIST:Korvida\n"},
        {"A:B.m3u8", "#EXTM3U\n#PLAYLIST:A/B\n"},
        {"A:B (2).m3u8", "#EXTM3U\n#PLAYLIST:A:B\n"},
        {"_.m3u8", "#EXTM3U\n#PLAYLIST:.\n"},
        {"_ (2).m3u8", "#EXTM3U\n#PLAYLIST:..\n"},
    };
    for (const auto& [file, head] : heads)
        EXPECT_EQ(playlist(file), head + line) << file;

    // The next run, ticking the lists in the other order, finds each its own file.
    InMedia& second = add("Second", InMedia::kMusic, "T2.mp3");
    for (std::size_t i = 1; i < playLists.size(); ++i)
        playLists[i]->addMedia(&second);
    std::reverse(entries.begin(), entries.end());
    EXPECT_TRUE(importTracks().empty());
    EXPECT_EQ(treeOf(home / "Music/Playlists").size(), heads.size());
    for (const auto& [file, head] : heads)
        EXPECT_EQ(playlist(file), head + line + "#EXTINF:-1,Artist - Second\n../Artist/Album/07 Second.mp3\n") << file;
}

TEST_F(Runner, NamesThatDifferOnlyInControlCharactersKeepFilesOfTheirOwn)
{
    InMedia& one = add("One", InMedia::kMusic, "T1.mp3");
    InMedia& two = add("Two", InMedia::kMusic, "T2.mp3");
    tick("Mix\x01", {&one});
    tick("Mix\x02", {&two});
    EXPECT_TRUE(importTracks().empty());
    const auto entry = [](const std::string& title) {
        return "#EXTINF:-1,Artist - " + title + "\n../Artist/Album/07 " + title + ".mp3\n";
    };
    const std::string first = "#EXTM3U\n#PLAYLIST:Mix \n#KORVIDA-PLAYLIST:Mix%01\n" + entry("One");
    const std::string second = "#EXTM3U\n#PLAYLIST:Mix \n#KORVIDA-PLAYLIST:Mix%02\n" + entry("Two");
    EXPECT_EQ(playlist("Mix_.m3u8"), first);
    EXPECT_EQ(playlist("Mix_ (2).m3u8"), second);

    // The next run imports only the second list: it finds its own file, not the first one's.
    InMedia& three = add("Three", InMedia::kMusic, "T3.mp3");
    playLists[2]->addMedia(&three);
    entries[0]->setTaged(false);
    EXPECT_TRUE(importTracks().empty());
    EXPECT_EQ(playlist("Mix_.m3u8"), first);
    EXPECT_EQ(playlist("Mix_ (2).m3u8"), second + entry("Three"));
}

TEST_F(Runner, LineBreakersBecomeSpacesInTitlesAndUnderscoresInNames)
{
    InMedia& tune = add("a\vb\fc\x1c"
                        "d\xC2\x85"
                        "e\xE2\x80\xA8"
                        "f\xE2\x80\xA9g",
                        InMedia::kMusic, "T1.mp3");
    tick("One\xE2\x80\xA8Two", {&tune});
    EXPECT_TRUE(importTracks().empty());
    const std::string line = "#EXTINF:-1,Artist - a b c d e f g\n../Artist/Album/07 a_b_c_d_e_f_g.mp3\n";
    EXPECT_EQ(playlist("Korvida.m3u8"), "#EXTM3U\n" + line);
    EXPECT_EQ(playlist("One_Two.m3u8"), "#EXTM3U\n#PLAYLIST:One Two\n#KORVIDA-PLAYLIST:One%E2%80%A8Two\n" + line);
}

TEST_F(Runner, ExistingPlaylistsKeepTheirModeAndLinksAndNewOnesFollowTheUmask)
{
    InMedia& tune = add("Song", InMedia::kMusic, "T1.mp3");
    tick("Linked", {&tune});
    tick("Piped", {&tune});
    const fs::path lists = home / "Music/Playlists";
    fs::create_directories(lists);
    std::ofstream(lists / "Korvida.m3u8") << "#EXTM3U\n";
    fs::permissions(lists / "Korvida.m3u8", fs::perms(0640));
    std::ofstream(root.path() / "elsewhere.m3u8") << "#EXTM3U\n#PLAYLIST:Linked\n";
    fs::create_symlink(root.path() / "elsewhere.m3u8", lists / "Linked.m3u8");
    ASSERT_EQ(::mkfifo((lists / "Piped.m3u8").c_str(), 0644), 0);

    const mode_t previous = ::umask(022);
    const auto unwritten = importTracks();
    ::umask(previous);
    EXPECT_TRUE(unwritten.empty());
    const std::string line = "#EXTINF:-1,Artist - Song\n../Artist/Album/07 Song.mp3\n";
    EXPECT_EQ(playlist("Korvida.m3u8"), "#EXTM3U\n" + line);
    EXPECT_EQ(fs::status(lists / "Korvida.m3u8").permissions(), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(lists / "Linked.m3u8"));
    EXPECT_EQ(readWholeFile(root.path() / "elsewhere.m3u8"), "#EXTM3U\n#PLAYLIST:Linked\n" + line);
    // A pipe in a playlist's place is passed by, never read (which would wait for ever).
    EXPECT_TRUE(fs::is_fifo(lists / "Piped.m3u8"));
    EXPECT_EQ(playlist("Piped (2).m3u8"), "#EXTM3U\n#PLAYLIST:Piped\n" + line);
    EXPECT_EQ(fs::status(lists / "Piped (2).m3u8").permissions(), fs::perms(0644));
}

TEST_F(Runner, OnAFatMusicFolderNamesTakeTheExportsPortableForm)
{
    fileSystem.fat = true;
    InMedia& tune = add("Why?", InMedia::kMusic, "T1.mp3");
    tune.setArtist("AC/DC");
    tick("Live: 1977", {&tune});
    EXPECT_TRUE(importTracks().empty());
    EXPECT_EQ(readWholeFile(home / "Music/AC_DC/Album/07 Why_.mp3"), readWholeFile(tune.getPath()));
    EXPECT_EQ(playlist("Live_ 1977.m3u8"),
              "#EXTM3U\n#PLAYLIST:Live: 1977\n#EXTINF:-1,AC/DC - Why?\n../AC_DC/Album/07 Why_.mp3\n");
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
