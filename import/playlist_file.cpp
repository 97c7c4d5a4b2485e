#include "import/playlist_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

ExistingPlaylist readExistingPlaylist(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        struct stat link {};
        const bool nothing = errno == ENOENT && ::lstat(path.c_str(), &link) != 0;
        return {nothing ? ExistingPlaylist::none : ExistingPlaylist::other, {}};
    }
    ExistingPlaylist found{ExistingPlaylist::other, {}};
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[65536];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
            found.text.append(buffer, static_cast<std::size_t>(n));
        found.kind = n == 0 ? ExistingPlaylist::regular : ExistingPlaylist::other;
    }
    ::close(fd);
    return found;
}

std::optional<std::string> playlistNameIn(const std::string& text)
{
    static constexpr std::string_view kTag = "#PLAYLIST:";
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with(kTag))
            return line.substr(kTag.size());
    return std::nullopt;
}

} // namespace korvida
