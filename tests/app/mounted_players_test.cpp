#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mounted_players.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

using korvida::MountedPlayer;
namespace writer = korvida::devicewriter;

namespace {

std::string mountLine(const std::string& escapedPoint, const std::string& type,
                      const std::string& optional = "shared:1")
{
    return "36 25 8:17 / " + escapedPoint + " rw,nosuid " + optional + " - " + type + " /dev/sdb1 rw\n";
}

TEST(MountTable, DecodesEscapesAndSkipsWhatCannotHoldAPlayer)
{
    const std::string table = mountLine("/", "ext4") + mountLine("/proc", "proc", "") +
        mountLine("/media/anna/My\\040iPod", "vfat", "shared:4 master:2") +
        mountLine("/mnt/tab\\011and\\134slash\\012", "ext4", "") + mountLine("/net/home", "nfs4") +
        mountLine("/misc", "autofs") + mountLine("/media/anna/My\\040iPod", "vfat") + // mounted over itself
        mountLine("/odd\\04", "ext4") + mountLine("/not\\999octal", "ext4") + "garbage line\n\n" +
        mountLine("relative", "ext4");
    const std::vector<std::string> expected = {"/", "/media/anna/My iPod", "/mnt/tab\tand\\slash\n", "/odd\\04",
                                               "/not\\999octal"};
    EXPECT_EQ(korvida::playerCandidateMountPoints(table), expected);
}

TEST(MountTable, PlayersAreTheMountsThatHoldSysInfo)
{
    TempDir dir;
    const std::string player = (dir.path() / "Anna's iPod").string();
    const std::string plain = (dir.path() / "USB STICK").string();
    ASSERT_TRUE(writer::writeDevice(player, writer::Device{}));
    std::filesystem::create_directory(plain);
    const std::string escapedPlayer = dir.path().string() + "/Anna's\\040iPod";
    const std::string escapedPlain = dir.path().string() + "/USB\\040STICK";
    const std::string tableFile = (dir.path() / "mountinfo").string();
    const std::string table = mountLine(escapedPlain, "ext4") + mountLine(escapedPlayer, "vfat") +
        mountLine(dir.path().string() + "/gone", "vfat");
    ASSERT_TRUE(writer::writeFile(tableFile, writer::Bytes(table.begin(), table.end())));

    const std::vector<MountedPlayer> players = korvida::mountedPlayers(korvida::readMountTable(tableFile));
    ASSERT_EQ(players.size(), 1u);
    EXPECT_EQ(players[0].name, "Anna's iPod");
    EXPECT_EQ(players[0].mountPoint, player);
    EXPECT_EQ(korvida::readMountTable((dir.path() / "missing").string()), "");
}

} // namespace
