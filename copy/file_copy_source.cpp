#include "copy/file_copy_source.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

namespace {

// Errors by which copy_file_range says it cannot serve this pair of files at all, as
// opposed to a failed read or write.
bool kernelCopyUnsupported(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

} // namespace

bool writeAll(int fd, std::span<const std::byte> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

FileCopySource::FileCopySource(const std::string& path)
{
    // Non-blocking so that a pipe standing at the path cannot hold the open.
    const int opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (opened < 0)
        return;
    struct stat info {};
    if (::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(opened);
        return;
    }
    fd = opened;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileCopySource::~FileCopySource()
{
    if (fd >= 0)
        ::close(fd);
}

std::uint64_t FileCopySource::measureSize()
{
    if (fd < 0)
        return 0;
    const off_t end = ::lseek(fd, 0, SEEK_END);
    return end < 0 ? 0 : static_cast<std::uint64_t>(end);
}

std::int64_t FileCopySource::copyChunk(std::uint64_t offset, std::size_t length, int destination)
{
    std::size_t moved = 0;
    while (moved < length) {
        const long step = kernelCopyWorks ? kernelCopy(offset + moved, length - moved, destination)
                                          : bufferedCopy(offset + moved, length - moved, destination);
        if (step < 0)
            return -1;
        if (step == 0)
            break;
        moved += static_cast<std::size_t>(step);
    }
    return static_cast<std::int64_t>(moved);
}

long FileCopySource::kernelCopy(std::uint64_t offset, std::size_t length, int destination)
{
    for (;;) {
        loff_t from = static_cast<loff_t>(offset);
        const ssize_t moved = ::copy_file_range(fd, &from, destination, nullptr, length, 0);
        if (moved >= 0)
            return moved;
        if (errno == EINTR)
            continue;
        if (!kernelCopyUnsupported(errno))
            return -1;
        kernelCopyWorks = false;
        return bufferedCopy(offset, length, destination);
    }
}

long FileCopySource::bufferedCopy(std::uint64_t offset, std::size_t length, int destination)
{
    const std::size_t wanted = length < buffer.size() ? length : buffer.size();
    ssize_t got;
    do
        got = ::pread(fd, buffer.data(), wanted, static_cast<off_t>(offset));
    while (got < 0 && errno == EINTR);
    if (got <= 0)
        return got < 0 ? -1 : 0;
    return writeAll(destination, std::span(buffer.data(), static_cast<std::size_t>(got))) ? got : -1;
}

} // namespace korvida
