#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/device_path.h"
#include "cli/devices_command.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

namespace writer = korvida::devicewriter;

namespace {

// Player folders made with the device writer, and a mount table file that lists them.
class MountedPlayers : public testing::Test {
protected:
    std::string addPlayer(const std::string& relative, const writer::Device& device = {})
    {
        const std::filesystem::path root = dir.path() / relative;
        EXPECT_TRUE(writer::writeDevice(root, device));
        mount(root.string());
        return root.string();
    }

    void mount(const std::string& point)
    {
        std::string escaped;
        for (const char c : point)
            escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
        table += "40 25 8:17 / " + escaped + " rw shared:7 - vfat /dev/sdb1 rw\n";
        ASSERT_TRUE(writer::writeFile(tableFile(), writer::Bytes(table.begin(), table.end())));
    }

    std::string tableFile() const { return (dir.path() / "mountinfo").string(); }

    struct Outcome {
        int status = -1;
        std::string out, err;
    };
    Outcome devices(const std::vector<std::string>& arguments)
    {
        std::ostringstream out, err;
        const int status = korvida::cli::devicesCommand(arguments, out, err, tableFile());
        return {status, out.str(), err.str()};
    }

    TempDir dir;
    std::string table;
};

writer::Device twoTracksOnePhoto()
{
    writer::Device device;
    device.tracks = {{"Northern Lights", "", "", "", ":iPod_Control:Music:F00:A.mp3", 1, 1, ""},
                     {"Sunrise", "", "", "", ":iPod_Control:Music:F01:B.m4v", 2, 0, ""}};
    device.withPhotos = true;
    writer::Photo photo;
    photo.id = 5;
    photo.fullResolution = ":Full Resolution:2006:07:14:IMG_0101.JPG";
    device.photos = {photo};
    return device;
}

TEST_F(MountedPlayers, DevicesListsEachPlayerWithItsTracksAndPhotos)
{
    const std::string first = addPlayer("media/My iPod", twoTracksOnePhoto());
    mount((dir.path() / "media").string()); // a mount that is no player
    const std::string second = addPlayer("run/NANO");

    const Outcome json = devices({"--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out,
              R"([{"name": "My iPod", "mountPoint": ")" + first +
                  R"(", "tracks": 2, "photos": 1}, {"name": "NANO", "mountPoint": ")" + second +
                  R"(", "tracks": 0, "photos": 0}])"
                  "\n");
    const Outcome shown = devices({});
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("My iPod  " + first), std::string::npos) << shown.out;
}

TEST_F(MountedPlayers, AMountPointThatIsNotUtf8KeepsItsBytesInTheJson)
{
    const std::string player = addPlayer("media/\xff\xe2\x82POD \xe2\x82\xac");
    const std::string json = devices({"--json"}).out;
    const std::string folder = player.substr(0, player.rfind('/') + 1);
    EXPECT_EQ(json,
              R"([{"name": "\udcff\udce2\udc82POD €", "mountPoint": ")" + folder +
                  R"(\udcff\udce2\udc82POD €", "tracks": 0, "photos": 0}])"
                  "\n");
}

TEST_F(MountedPlayers, NoPlayerMountedIsAnEmptyListNotAFailure)
{
    mount("/");
    EXPECT_EQ(devices({"--json"}).out, "[]\n");
    const Outcome shown = devices({});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, "No player is mounted.\n");
    EXPECT_EQ(devices({"--jsn"}).status, 2);
    EXPECT_EQ(devices({"NANO"}).status, 2);
}

TEST_F(MountedPlayers, APlayerNameStandsForItsFolder)
{
    const std::string nano = addPlayer("media/NANO");
    addPlayer("media/Twin");
    addPlayer("run/Twin");
    std::ostringstream err;
    EXPECT_EQ(korvida::cli::playerFolder("NANO", "korvida list", err, tableFile()), nano);
    // A folder path is taken as one even where a player bears its last name.
    EXPECT_EQ(korvida::cli::playerFolder(nano + "/", "korvida list", err, tableFile()), nano);
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(korvida::cli::playerFolder("Twin", "korvida list", err, tableFile()), std::nullopt);
    EXPECT_NE(err.str().find("more than one mounted player"), std::string::npos) << err.str();
    // The window's start refuses the same name alike, and takes a unique one or a folder.
    std::ostringstream window;
    EXPECT_EQ(korvida::cli::folderToOpen("Twin", "korvida", window, tableFile()), std::nullopt);
    EXPECT_NE(window.str().find("korvida: Twin: more than one mounted player"), std::string::npos) << window.str();
    EXPECT_EQ(korvida::cli::folderToOpen("NANO", "korvida", window, tableFile()), nano);
    EXPECT_EQ(korvida::cli::folderToOpen(nano + "/./", "korvida", window, tableFile()), nano);
    std::ostringstream missing;
    EXPECT_EQ(korvida::cli::playerFolder("SHUFFLE", "korvida export", missing, tableFile()), std::nullopt);
    EXPECT_NE(missing.str().find("korvida export: "), std::string::npos) << missing.str();
}

} // namespace
