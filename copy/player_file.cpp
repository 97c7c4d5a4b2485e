#include "copy/player_file.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

bool liesWithin(const std::string& path, const std::string& folder)
{
    std::error_code error;
    const auto resolvedFolder = std::filesystem::weakly_canonical(std::filesystem::absolute(folder, error), error);
    if (error)
        return false;
    const auto resolvedPath = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    if (error)
        return false;
    // Compared piece by piece, so "/media/player2" does not lie in "/media/player".
    auto folderEnd = resolvedFolder.end();
    if (!resolvedFolder.empty() && std::prev(folderEnd)->empty())
        --folderEnd; // a trailing "/" leaves an empty last piece
    const auto mismatch = std::mismatch(resolvedFolder.begin(), folderEnd, resolvedPath.begin(), resolvedPath.end());
    return mismatch.first == folderEnd;
}

std::optional<std::string> resolvePlayerFile(const std::string& path, const std::string& playerFolder)
{
    std::error_code error;
    const auto resolved = std::filesystem::canonical(path, error);
    if (error)
        return std::nullopt;
    // The player's control folder may itself be a link (a player copied to a disk with its
    // media elsewhere): the files inside its target belong to the player too.
    if (!playerFolder.empty() && !liesWithin(resolved.string(), playerFolder) &&
        !liesWithin(resolved.string(), playerFolder + "/iPod_Control"))
        return std::nullopt;
    return resolved.string();
}

bool isPlayerFile(const std::string& path, const std::string& playerFolder)
{
    const auto resolved = resolvePlayerFile(path, playerFolder);
    std::error_code error;
    return resolved && std::filesystem::is_regular_file(*resolved, error);
}

int openRegularFile(const std::string& path)
{
    const int opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (opened < 0)
        return -1;
    struct stat info {};
    if (::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(opened);
        return -1;
    }
    return opened;
}

int openPlayerFile(const std::string& path, const std::string& playerFolder)
{
    const auto resolved = resolvePlayerFile(path, playerFolder);
    return resolved ? openRegularFile(*resolved) : -1;
}

} // namespace korvida
