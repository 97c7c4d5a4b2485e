#include "app/mounted_players.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

#include "app/path_text.h"
#include "devicedb/device_reader.h"

namespace korvida {

namespace {

// Kernel views never hold a player; touching a network or automount point can hang or mount
// a share, once a second in the window.
constexpr std::array<std::string_view, 19> kSkippedTypes = {
    "proc", "sysfs",    "devpts",  "cgroup", "cgroup2", "mqueue", "debugfs", "tracefs", "securityfs", "pstore",
    "bpf",  "configfs", "fusectl", "autofs", "nfs",     "nfs4",   "cifs",    "smb3",    "fuse.sshfs"};

// The line's fields, split at single spaces.
std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        fields.push_back(line.substr(0, space));
        if (space == std::string_view::npos)
            break;
        line.remove_prefix(space + 1);
    }
    return fields;
}

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

// A field with its \ooo escapes turned back into the bytes they stand for.
std::string unescaped(std::string_view field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2]) &&
            isOctal(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

// The file system type: the first field after the lone "-" that ends the optional fields.
std::string_view typeOf(const std::vector<std::string_view>& fields)
{
    const auto separator = std::find(fields.begin() + 6, fields.end(), std::string_view("-"));
    return separator == fields.end() || separator + 1 == fields.end() ? std::string_view() : *(separator + 1);
}

} // namespace

std::vector<std::string> playerCandidateMountPoints(std::string_view mountInfo)
{
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountInfo)};
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string_view> fields = fieldsOf(line);
        if (fields.size() < 7)
            continue; // not a mount line
        const std::string_view type = typeOf(fields);
        if (std::find(kSkippedTypes.begin(), kSkippedTypes.end(), type) != kSkippedTypes.end())
            continue;
        std::string point = unescaped(fields[4]);
        if (!point.empty() && point.front() == '/' && std::find(points.begin(), points.end(), point) == points.end())
            points.push_back(std::move(point));
    }
    return points;
}

std::vector<MountedPlayer> mountedPlayers(std::string_view mountInfo)
{
    std::vector<MountedPlayer> players;
    for (std::string& point : playerCandidateMountPoints(mountInfo))
        if (hasSysInfo(point))
            players.push_back({lastPathComponent(point), std::move(point)});
    return players;
}

std::string readMountTable(const std::string& file)
{
    // The kernel's tables report no size; read until the end.
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return in.is_open() ? text.str() : std::string();
}

} // namespace korvida
