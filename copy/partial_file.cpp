#include "copy/partial_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

namespace {

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string randomSuffix()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix(12, '0');
    for (char& c : suffix)
        c = digits[generator() % (sizeof digits - 1)];
    return suffix;
}

// The hidden files of the copies under way, so that a process ending at once can remove
// them. The lock also covers the rename of a finished copy, so a removal never meets a file
// half-way to its final name.
struct UnfinishedCopies {
    std::mutex mutex;
    std::set<std::string> paths;
    bool closed = false;
};

UnfinishedCopies& unfinishedCopies()
{
    static UnfinishedCopies instance;
    return instance;
}

// The error numbers by which a file system says it does not offer an operation.
bool unsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EPERM;
}

} // namespace

bool renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (!unsupported(errno))
        return false;
    // A second link fails when the name is taken, exactly like the rename above.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (!unsupported(errno))
        return false;
    // A file system with neither: look first, then rename.
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    if (errno != ENOENT)
        return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeUnfinishedCopies()
{
    UnfinishedCopies& copies = unfinishedCopies();
    std::lock_guard lock(copies.mutex);
    copies.closed = true;
    for (const std::string& path : copies.paths)
        ::unlink(path.c_str());
    copies.paths.clear();
}

PartialFile::PartialFile(const std::string& destinationPath) : destination(destinationPath)
{
    UnfinishedCopies& copies = unfinishedCopies();
    std::lock_guard lock(copies.mutex);
    if (copies.closed) {
        error = ECANCELED;
        return;
    }
    const std::string folder = folderOf(destination);
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temporaryPath = folder + "/.korvida-" + randomSuffix() + ".part";
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = errno;
        temporaryPath.clear();
    } else
        copies.paths.insert(temporaryPath);
}

PartialFile::~PartialFile()
{
    if (fd >= 0)
        ::close(fd);
    if (temporaryPath.empty())
        return;
    UnfinishedCopies& copies = unfinishedCopies();
    std::lock_guard lock(copies.mutex);
    if (copies.paths.erase(temporaryPath) > 0)
        ::unlink(temporaryPath.c_str());
}

void PartialFile::reserve(std::uint64_t size)
{
    if (fd >= 0 && size > 0)
        ::fallocate(fd, 0, 0, static_cast<off_t>(size));
}

void PartialFile::startWriteBack(std::uint64_t offset, std::uint64_t length)
{
    if (fd >= 0 && length > 0)
        ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(length), SYNC_FILE_RANGE_WRITE);
}

bool PartialFile::commit()
{
    if (fd < 0)
        return false;
    // The data reaches the disk before the file gets its final name, so a crash or a pulled
    // drive right after the copy cannot leave a short file under that name. A delayed write
    // error (a full disk on some file systems) shows here or at close.
    if (::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    fd = -1;
    UnfinishedCopies& copies = unfinishedCopies();
    std::lock_guard lock(copies.mutex);
    if (copies.closed && error == 0)
        error = ECANCELED;
    if (error == 0 && !renameWithoutReplacing(temporaryPath, destination))
        error = errno;
    if (error != 0)
        return false;
    copies.paths.erase(temporaryPath);
    temporaryPath.clear();
    return true;
}

} // namespace korvida
