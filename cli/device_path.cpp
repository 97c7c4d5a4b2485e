#include "cli/device_path.h"

#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

#include "cli/display_text.h"
#include "devicedb/device_reader.h"

namespace korvida::cli {

std::string devicePath(const std::string& argument)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(argument, error);
    if (error)
        absolute = argument;
    std::string result;
    for (const auto& component : absolute.relative_path()) {
        const std::string piece = component.string();
        if (piece.empty() || piece == ".")
            continue; // a trailing slash or a "." names the same folder
        result += "/" + piece;
    }
    return result.empty() ? absolute.root_path().string() : result;
}

bool isPlayerFolder(const std::string& iPodPath, std::string_view command, std::ostream& err)
{
    const std::string shown = printableText(iPodPath);
    std::error_code error;
    const auto status = std::filesystem::status(iPodPath, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        err << command << ": " << shown << ": no such folder\n";
        return false;
    }
    if (error) {
        err << command << ": " << shown << ": " << error.message() << '\n';
        return false;
    }
    if (status.type() != std::filesystem::file_type::directory) {
        err << command << ": " << shown << ": not a folder\n";
        return false;
    }
    if (!hasSysInfo(iPodPath)) {
        err << command << ": " << shown << ": not a player (no iPod_Control/Device/SysInfo)\n";
        return false;
    }
    return true;
}

std::vector<std::string> playersNamed(const std::string& argument, const std::string& mountTable)
{
    std::vector<std::string> matches;
    std::error_code error;
    if (argument.empty() || argument.find('/') != std::string::npos ||
        std::filesystem::symlink_status(argument, error).type() != std::filesystem::file_type::not_found)
        return matches;
    for (const MountedPlayer& player : mountedPlayers(readMountTable(mountTable)))
        if (player.name == argument)
            matches.push_back(player.mountPoint);
    return matches;
}

std::optional<std::string> folderToOpen(const std::string& argument, std::string_view command, std::ostream& err,
                                        const std::string& mountTable)
{
    const std::vector<std::string> matches = playersNamed(argument, mountTable);
    if (matches.size() > 1) {
        err << command << ": " << printableText(argument) << ": more than one mounted player of that name (";
        for (std::size_t i = 0; i < matches.size(); ++i)
            err << (i == 0 ? "" : ", ") << printableText(matches[i]);
        err << "); give its folder\n";
        return std::nullopt;
    }
    return matches.empty() ? devicePath(argument) : matches.front();
}

std::optional<std::string> playerFolder(const std::string& argument, std::string_view command, std::ostream& err,
                                        const std::string& mountTable)
{
    std::optional<std::string> iPodPath = folderToOpen(argument, command, err, mountTable);
    if (!iPodPath || !isPlayerFolder(*iPodPath, command, err))
        return std::nullopt;
    return iPodPath;
}

Library readPlayer(const std::string& iPodPath, std::string_view command, std::ostream& err)
{
    DatabaseProblems problems;
    Library library = readDevice(iPodPath, &problems);
    for (const DatabaseProblem& problem : problems)
        err << command << ": " << printableText(problem.path) << ' ' << describe(problem) << '\n';
    return library;
}

} // namespace korvida::cli
