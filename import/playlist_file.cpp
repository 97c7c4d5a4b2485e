#include "import/playlist_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "copy/export_naming.h"

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

namespace {

constexpr std::string_view kNameTag = "#PLAYLIST:";
constexpr std::string_view kExactNameTag = "#KORVIDA-PLAYLIST:";

std::string escapedName(const std::string& name)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f || c == '%')
            escaped += {'%', kHex[byte >> 4], kHex[byte & 0xf]};
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

std::string playlistNameLines(const std::string& name)
{
    const std::string shown = replaceLineBreakers(name, ' ');
    const std::string lines = std::string(kNameTag) + shown + "\n";
    return shown == name ? lines : lines + playlistOwnerLine(name) + "\n";
}

std::string playlistOwnerLine(const std::string& name)
{
    const std::string shown = replaceLineBreakers(name, ' ');
    return shown == name ? std::string(kNameTag) + name : std::string(kExactNameTag) + escapedName(name);
}

std::optional<std::string> playlistOwnerIn(const std::string& text)
{
    std::optional<std::string> owner;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(kExactNameTag))
            return line;
        if (!owner && line.starts_with(kNameTag))
            owner = line;
    }
    return owner;
}

} // namespace korvida
