#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

#include "cli/export_command.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

using korvida::cli::exportCommand;
namespace writer = korvida::devicewriter;
namespace fs = std::filesystem;

namespace {

struct ExportRun {
    int status = -1;
    std::string out;
    std::string err;
};

writer::Track track(const std::string& title, const std::string& artist, const std::string& file, std::uint32_t id,
                    std::uint32_t number)
{
    writer::Track result;
    result.title = title;
    result.artist = artist;
    result.album = "Live";
    result.genre = "Pop";
    result.location = ":iPod_Control:Music:F00:" + file;
    result.id = id;
    result.trackNumber = number;
    return result;
}

// A player with two tunes, a film, two photos, a playlist holding the second tune and a
// photo album.
class ExportCommand : public ::testing::Test {
protected:
    ExportCommand()
    {
        writer::Device device;
        device.tracks = {track("Song.Two", "Night/Day", "A1.mp3", 101, 3), track("Sjøbris", "Fjord", "A2.mp3", 102, 4),
                         track("Film", "Studio", "A3.m4v", 103, 0)};
        device.playlists = {{"Favourites", {102}}};
        device.withPhotos = true;
        device.photos = {{201, ":Full Resolution:2006:07:14:IMG_0101.JPG", "", ":Thumbs:F1019_1.ithmb"},
                         {202, ":Full Resolution:2007:01:20:IMG_0311.JPG", "", ":Thumbs:F1019_1.ithmb"}};
        device.albums = {{"Holiday", {202}}};
        device.withMediaFiles = true;
        EXPECT_TRUE(writer::writeDevice(player, device));
    }

    ExportRun exportTo(std::vector<std::string> options)
    {
        std::vector<std::string> arguments = {player.string(), destination.string()};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return run(arguments);
    }

    static ExportRun run(const std::vector<std::string>& arguments)
    {
        std::ostringstream out;
        std::ostringstream err;
        ExportRun result;
        result.status = exportCommand(arguments, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    std::set<std::string> files() const
    {
        std::set<std::string> names;
        if (fs::exists(destination))
            for (const auto& entry : fs::recursive_directory_iterator(destination))
                if (entry.is_regular_file())
                    names.insert(fs::relative(entry.path(), destination).string());
        return names;
    }

    fs::path trackFile(const std::string& file) const { return player / "iPod_Control/Music/F00" / file; }

    TempDir root;
    fs::path player = root.path() / "player";
    fs::path destination = root.path() / "out";
};

} // namespace

TEST_F(ExportCommand, CopiesEverythingAsTheCopyButtonWouldAndAgainNothing)
{
    const ExportRun first = exportTo({});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "5 copied, 0 skipped (already there), 0 missing on the player, 0 failed\n");
    EXPECT_EQ(files(),
              (std::set<std::string>{"Music:Movies/Night:Day/Live/03 Song.Two.mp3",
                                     "Music:Movies/Fjord/Live/04 Sjøbris.mp3", "Music:Movies/Studio/Live/Film.m4v",
                                     "Photos/2006/07/14/IMG_0101.JPG", "Photos/2007/01/20/IMG_0311.JPG"}));

    const ExportRun second = exportTo({});
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "0 copied, 5 skipped (already there), 0 missing on the player, 0 failed\n");
}

TEST_F(ExportCommand, NarrowsByTypePlaylistAndSearchPrefix)
{
    EXPECT_EQ(exportTo({"--type", "music", "--no-track-numbers"}).status, 0);
    EXPECT_EQ(files(), (std::set<std::string>{"Night:Day/Live/Song.Two.mp3", "Fjord/Live/Sjøbris.mp3"}));
    fs::remove_all(destination);

    EXPECT_EQ(exportTo({"--playlist", "Favourites"}).status, 0);
    EXPECT_EQ(files(), std::set<std::string>{"Fjord/Live/04 Sjøbris.mp3"});
    fs::remove_all(destination);

    EXPECT_EQ(exportTo({"--playlist", "Holiday", "--type", "photos"}).status, 0);
    EXPECT_EQ(files(), std::set<std::string>{"2007/01/20/IMG_0311.JPG"});
    fs::remove_all(destination);

    // The search field's rule: a prefix of the name, artist, album or genre, in any case,
    // with or without accents.
    EXPECT_EQ(exportTo({"--match", "SJO"}).status, 0);
    EXPECT_EQ(exportTo({"--match", "night"}).status, 0);
    EXPECT_EQ(files(), (std::set<std::string>{"Fjord/Live/04 Sjøbris.mp3", "Night:Day/Live/03 Song.Two.mp3"}));
}

TEST_F(ExportCommand, ADatabaseThatCannotBeReadIsToldAndTheRestIsCopied)
{
    const fs::path photoDatabase = player / "Photos/Photo Database";
    fs::remove(photoDatabase);
    fs::create_directory(photoDatabase);
    const ExportRun result = exportTo({});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "korvida export: " + photoDatabase.string() + " was not read: Is a directory\n");
    EXPECT_EQ(files().size(), 3u) << "the tunes and the film";
}

TEST_F(ExportCommand, MissingAndFailedItemsAreReportedWithStatusOne)
{
    fs::remove(trackFile("A1.mp3"));
    fs::create_directories(destination / "Music:Movies/Fjord");
    std::ofstream(destination / "Music:Movies/Fjord/Live") << "a file where a folder goes";
    const ExportRun result = exportTo({});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "3 copied, 0 skipped (already there), 1 missing on the player, 1 failed\n");
    EXPECT_NE(result.err.find("missing on the player: " + trackFile("A1.mp3").string()), std::string::npos);
    // The folder the tune goes into is a file: the reason says so.
    EXPECT_NE(result.err.find("could not copy " + trackFile("A2.mp3").string() +
                              ": a file stands where a folder should be\n"),
              std::string::npos)
        << result.err;
}

TEST_F(ExportCommand, RefusesBadArgumentsAndFoldersThatAreNotPlayers)
{
    for (const auto& arguments : std::vector<std::vector<std::string>>{{},
                                                                       {player.string()},
                                                                       {"a", "b", "c"},
                                                                       {"--type"},
                                                                       {player.string(), "out", "--type", "songs"},
                                                                       {player.string(), "out", "--bogus"},
                                                                       {root.path().string(), "out"},
                                                                       {(root.path() / "none").string(), "out"}}) {
        const ExportRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(result.out.empty());
    }
    const ExportRun unknownPlaylist = exportTo({"--playlist", "Nope"});
    EXPECT_EQ(unknownPlaylist.status, 2);
    EXPECT_FALSE(fs::exists(destination));

    std::ofstream(root.path() / "file") << "x";
    EXPECT_EQ(run({player.string(), (root.path() / "file").string()}).status, 2);
}

namespace {

// Waits until the first copy's hidden file exists: from then on the command handles the
// signals itself.
void waitForPartialFile(const fs::path& destination)
{
    for (bool copying = false; !copying; std::this_thread::yield()) {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(destination, ignored))
            copying = copying || entry.path().filename().string().starts_with(".korvida-");
    }
}

} // namespace

TEST_F(ExportCommand, CtrlCTermAndHangUpCancelAllAndRemoveThePartialFile)
{
    fs::resize_file(trackFile("A1.mp3"), 1u << 30); // sparse: large but cheap
    for (const auto& [signal, status] :
         std::vector<std::pair<int, int>>{{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}}) {
        SCOPED_TRACE(signal);
        ExportRun result;
        std::thread command([&] { result = exportTo({"--type", "music"}); });
        waitForPartialFile(destination);
        ::kill(::getpid(), signal);
        command.join();

        EXPECT_EQ(result.status, status);
        EXPECT_EQ(
            result.out,
            "0 copied, 0 skipped (already there), 0 missing on the player, 0 failed, 2 not copied (interrupted)\n");
        EXPECT_TRUE(files().empty());
        for (const auto& entry : fs::recursive_directory_iterator(destination))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".korvida-")) << entry.path();
    }
}

TEST_F(ExportCommand, SecondCtrlCEndsAtOnceLeavingNoHiddenFile)
{
    fs::resize_file(trackFile("A1.mp3"), 1u << 30);
    EXPECT_EXIT(
        {
            // Both signals come within one look of the command's loop: it ends from there
            // rather than waiting for the running copy and returning (which exits 0 here).
            std::thread command([&] {
                exportTo({"--type", "music"});
                std::_Exit(0);
            });
            waitForPartialFile(destination);
            ::raise(SIGINT);
            ::raise(SIGINT);
            command.join();
        },
        ::testing::ExitedWithCode(130), "");
    for (const auto& entry : fs::recursive_directory_iterator(destination))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".korvida-")) << entry.path();
    EXPECT_TRUE(files().empty());
}

TEST_F(ExportCommand, DestinationOnThePlayerIsRefusedBeforeAnythingIsMade)
{
    for (const fs::path& inside : {player, player / "Copies", player / "iPod_Control/../Copies"}) {
        const ExportRun result = run({player.string(), inside.string()});
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find("never written"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(fs::exists(player / "Copies"));
    fs::create_directory_symlink(player, root.path() / "link-to-player");
    EXPECT_EQ(run({player.string(), (root.path() / "link-to-player/Copies").string()}).status, 2);
    // A sibling whose name starts like the player's is not inside it.
    EXPECT_EQ(run({player.string(), (root.path() / "player2").string()}).status, 0);
}
