#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvida {

// The kernel's mount table of this process, one mounted file system a line.
inline constexpr const char* kMountTable = "/proc/self/mountinfo";

struct MountedPlayer {
    std::string name;       // the mount point's last component, as the window names an open player
    std::string mountPoint; // absolute
};

// The mount points of a table in the mountinfo form, in table order, with the octal escapes
// the kernel writes for space, tab, newline and backslash (\040 ...) decoded. File systems
// that cannot hold a player (kernel views) or whose look-up may block or mount something
// (network, automount) are left out; a point mounted twice is listed once.
std::vector<std::string> playerCandidateMountPoints(std::string_view mountInfo);

// The mounted players among those mounts: every one whose root holds
// iPod_Control/Device/SysInfo.
std::vector<MountedPlayer> mountedPlayers(std::string_view mountInfo);

// The whole text of a mount table file; empty when it cannot be read.
std::string readMountTable(const std::string& file = kMountTable);

} // namespace korvida
