#include "copy/whole_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

namespace {

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// The file that `path` names, links followed; nothing there is not an error.
std::error_code resolveTarget(const std::string& path, std::string& target, struct stat& info, bool& exists)
{
    exists = false;
    target = path;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0)
        return errno == ENOENT ? std::error_code() : lastError();
    if (S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return std::make_error_code(std::errc::invalid_argument);
        target = resolved;
    }
    if (::stat(target.c_str(), &info) != 0)
        return lastError();
    if (S_ISDIR(info.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode))
        return std::make_error_code(std::errc::invalid_argument);
    exists = true;
    return {};
}

// A new hidden file in the folder of `target`, made with the mode the umask leaves.
int createHiddenFile(const std::string& target, std::string& hidden)
{
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        hidden = folder + ".korvida-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(hidden.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::error_code writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? lastError() : std::make_error_code(std::errc::no_space_on_device);
        done += static_cast<std::size_t>(n);
    }
    return {};
}

} // namespace

std::error_code replaceWholeFile(const std::string& path, const std::string& text)
{
    std::string target;
    struct stat info {};
    bool exists = false;
    if (const std::error_code error = resolveTarget(path, target, info, exists))
        return error;
    std::string hidden;
    const int fd = createHiddenFile(target, hidden);
    if (fd < 0)
        return lastError();
    std::error_code error = writeAll(fd, text);
    if (!error && exists && ::fchmod(fd, info.st_mode & 07777) != 0)
        error = lastError();
    // A delayed write error (a full disk on some file systems) shows at the flush or the close.
    if (!error && ::fdatasync(fd) != 0)
        error = lastError();
    if (::close(fd) != 0 && !error)
        error = lastError();
    if (!error && ::rename(hidden.c_str(), target.c_str()) != 0)
        error = lastError();
    if (error)
        ::unlink(hidden.c_str());
    return error;
}

} // namespace korvida
