#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <sstream>

#include "cli/list_command.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

using korvida::cli::listCommand;
namespace writer = korvida::devicewriter;

namespace {

struct Listing {
    int status = -1;
    std::string out;
    std::string err;
};

Listing list(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    Listing listing;
    listing.status = listCommand(arguments, out, err);
    listing.out = out.str();
    listing.err = err.str();
    return listing;
}

writer::Track track(const std::string& title, const std::string& location, std::uint32_t id, std::uint32_t number)
{
    writer::Track result;
    result.title = title;
    result.artist = "Aurora Quartet";
    result.album = "Polar Nights";
    result.genre = "Ambient";
    result.location = location;
    result.id = id;
    result.trackNumber = number;
    return result;
}

// Two tracks (a tune whose ID is above 16 bits and a film), a playlist naming the tune
// twice, a playlist naming no track, and one photo in one album.
writer::Device smallDevice()
{
    writer::Device device;
    device.tracks = {track("Say \"Sjøbris\"", ":iPod_Control:Music:F00:ABCD.mp3", 0x10203, 3),
                     track("Sunrise", ":iPod_Control:Music:F01:WXYZ.m4v", 7, 1)};
    // Three stars, four plays; the dates in seconds since 1904 (2020-09-13 12:26:40 and
    // 2017-07-14 02:40:00 UTC). The writer's track header is too short for the skip count.
    device.tracks[0].rating = 60;
    device.tracks[0].playCount = 4;
    device.tracks[0].lastPlayed = 3682844800;
    device.tracks[0].dateAdded = 3582844800;
    device.playlists = {{"Road trip", {7, 0x10203, 0x10203}}, {"Ghosts", {99}}};
    device.withPhotos = true;
    writer::Photo photo;
    photo.id = 5;
    photo.fullResolution = ":Full Resolution:2006:07:14:IMG_0101.JPG";
    device.photos = {photo};
    device.albums = {{"Trip", {5}}};
    return device;
}

class ListCommand : public testing::Test {
protected:
    std::string root() const { return dir.path().string(); }
    TempDir dir;
};

TEST_F(ListCommand, RefusesWhatIsNotAPlayerWithStatus2)
{
    ASSERT_TRUE(writer::writeFile(dir.path() / "plain.txt", {'x'}));
    std::filesystem::create_directory(dir.path() / "empty");
    const struct {
        std::string path;
        std::string message;
    } cases[] = {{root() + "/missing", "no such folder"},
                 {root() + "/plain.txt", "not a folder"},
                 {root() + "/empty", "no iPod_Control/Device/SysInfo"},
                 {"", "no such folder"}};
    for (const auto& c : cases) {
        const Listing listing = list({c.path, "--json"});
        EXPECT_EQ(listing.status, 2) << c.path;
        EXPECT_NE(listing.err.find(c.message), std::string::npos) << listing.err;
        EXPECT_EQ(listing.out, "") << c.path;
    }
}

TEST_F(ListCommand, BadArgumentsGiveTheUsageAndStatus2)
{
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{}, {"--json"}, {root(), root()}, {root(), "--xml"}, {"-j", root()}}) {
        const Listing listing = list(arguments);
        EXPECT_EQ(listing.status, 2);
        EXPECT_NE(listing.err.find("usage: korvida list DEVICE [--json]"), std::string::npos) << listing.err;
    }
    const Listing help = list({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: korvida list DEVICE [--json]"), std::string::npos);
}

TEST_F(ListCommand, PlayerWithoutDatabasesListsTheEmptyDeviceEntry)
{
    writer::Device device;
    device.withITunesDB = false;
    ASSERT_TRUE(writer::writeDevice(dir.path(), device));
    const Listing listing = list({root(), "--json"});
    EXPECT_EQ(listing.status, 0) << listing.err;
    EXPECT_EQ(listing.out,
              R"({"device": "Empty", "items": [], "playlists": [{"name": "Empty", "isSubList": true, "members": []}]})"
              "\n");
}

TEST_F(ListCommand, UnreadableDatabaseIsToldOnStandardErrorAndListsAsMissing)
{
    writer::Device device;
    device.withITunesDB = false;
    ASSERT_TRUE(writer::writeDevice(dir.path(), device));
    std::filesystem::create_directories(dir.path() / "iPod_Control" / "iTunes" / "iTunesDB");
    const Listing listing = list({root(), "--json"});
    EXPECT_EQ(listing.status, 0);
    EXPECT_EQ(listing.out.rfind(R"({"device": "Empty", "items": [])", 0), 0u) << listing.out;
    EXPECT_NE(listing.err.find("iPod_Control/iTunes/iTunesDB was not read: Is a directory"), std::string::npos)
        << listing.err;
}

TEST_F(ListCommand, JsonGivesEveryItemAndPlaylistMembersAsIndexes)
{
    ASSERT_TRUE(writer::writeDevice(dir.path(), smallDevice()));
    // A trailing slash on the argument does not reach the item paths.
    const Listing listing = list({"--json", root() + "/"});
    ASSERT_EQ(listing.status, 0) << listing.err;
    const std::string music = root() + "/iPod_Control/Music";
    const std::string expected =
        R"({"device": "Music/Movies", "items": [)"
        R"({"name": "Say \"Sjøbris\"", "artist": "Aurora Quartet", "album": "Polar Nights", "genere": "Ambient", )"
        R"("fileType": "mp3", "path": ")" +
        music +
        R"(/F00/ABCD.mp3", "mediaType": 2, "tuneOnCdNr": 3, )"
        R"("shortId": 515, "day": null, "nameWithType": null, "rating": 3, "playCount": 4, "skipCount": null, )"
        R"("lastPlayed": "2020-09-13T12:26:40Z", "dateAdded": "2017-07-14T02:40:00Z"}, )"
        R"({"name": "Sunrise", "artist": "Aurora Quartet", "album": "Polar Nights", "genere": "Ambient", )"
        R"("fileType": "m4v", "path": ")" +
        music +
        R"(/F01/WXYZ.m4v", "mediaType": 1, "tuneOnCdNr": 1, )"
        R"("shortId": 7, "day": null, "nameWithType": null, "rating": 0, "playCount": 0, "skipCount": null, )"
        R"("lastPlayed": null, "dateAdded": null}, )"
        R"({"name": "IMG_0101.JPG", "artist": "2006", "album": "07", "genere": "Photos", "fileType": "JPG", )"
        R"("path": ")" +
        root() +
        R"(/Photos/Full Resolution/2006/07/14/IMG_0101.JPG", "mediaType": 3, )"
        R"("tuneOnCdNr": 0, "shortId": 5, "day": "14", "nameWithType": "IMG_0101.JPG", "rating": null, )"
        R"("playCount": null, "skipCount": null, "lastPlayed": null, "dateAdded": null}], )"
        R"("playlists": [{"name": "Music/Movies", "isSubList": true, "members": []}, )"
        R"({"name": "Road trip", "isSubList": false, "members": [1, 0, 0]}, )"
        R"({"name": "Photos", "isSubList": true, "members": []}, )"
        R"({"name": "Trip", "isSubList": false, "members": [2]}]})"
        "\n";
    EXPECT_EQ(listing.out, expected);
}

TEST_F(ListCommand, PathsKeepTheSymbolicLinkTheUserGave)
{
    ASSERT_TRUE(writer::writeDevice(dir.path() / "player", smallDevice()));
    std::error_code error;
    std::filesystem::create_directory_symlink(dir.path() / "player", dir.path() / "IPOD", error);
    ASSERT_FALSE(error);
    const Listing listing = list({root() + "/IPOD", "--json"});
    ASSERT_EQ(listing.status, 0) << listing.err;
    EXPECT_NE(listing.out.find("\"path\": \"" + root() + "/IPOD/iPod_Control/Music/F00/ABCD.mp3\""), std::string::npos);
    EXPECT_EQ(listing.out.find("/player/"), std::string::npos);
}

TEST_F(ListCommand, TableShowsItemsAndPlaylistsWithoutControlCharacters)
{
    writer::Device device = smallDevice();
    device.tracks[1].title = "Sun\x1b[2Jrise";
    ASSERT_TRUE(writer::writeDevice(dir.path(), device));
    const Listing listing = list({root()});
    ASSERT_EQ(listing.status, 0) << listing.err;
    EXPECT_EQ(listing.out.find('\x1b'), std::string::npos);
    EXPECT_NE(listing.out.find("Music/Movies, 1 tune, 1 movie, 1 photo"), std::string::npos) << listing.out;
    EXPECT_NE(listing.out.find("iPod_Control/Music/F00/ABCD.mp3\n"), std::string::npos) << listing.out;
    EXPECT_NE(listing.out.find("Photos/Full Resolution/2006/07/14/IMG_0101.JPG\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(listing.out, std::regex("\n Road trip +3\n"))) << listing.out;
    EXPECT_EQ(listing.out.find("Ghosts"), std::string::npos);
}

TEST_F(ListCommand, AnOutputThatCannotBeWrittenIsNotSuccess)
{
    ASSERT_TRUE(writer::writeDevice(dir.path(), smallDevice()));
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(listCommand({root()}, out, err), 1);
    EXPECT_NE(err.str().find("could not write"), std::string::npos);
}

} // namespace
