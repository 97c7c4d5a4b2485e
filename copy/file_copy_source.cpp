#include "copy/file_copy_source.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "copy/copy_failure.h"

namespace korvida {

namespace {

// How much of the mapping is copied before its pages are let go of, so that the program's
// memory stays small however large the file.
constexpr std::size_t kReleaseStep = 8u << 20;

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

FileCopySource::FileCopySource(const std::string& path, Reading readingKind) : reading(readingKind)
{
    // Non-blocking so that a pipe standing at the path cannot hold the open.
    const int opened = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (opened < 0) {
        openError = errno;
        return;
    }
    struct stat info {};
    if (::fstat(opened, &info) != 0 || !S_ISREG(info.st_mode)) {
        openError = kNotRegularFile;
        ::close(opened);
        return;
    }
    fd = opened;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

FileCopySource::~FileCopySource()
{
    if (mapping != nullptr)
        ::munmap(const_cast<std::byte*>(mapping), mappingSize);
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

void CopySource::stampModificationTime(int destination) const
{
    const timespec modified = modificationTime();
    if (modified.tv_sec == 0 && modified.tv_nsec == 0)
        return;
    // The access time is left as it is; only the modification time is carried over.
    const std::array<timespec, 2> times{timespec{0, UTIME_OMIT}, modified};
    ::futimens(destination, times.data());
}

timespec FileCopySource::modificationTime() const
{
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0)
        return {};
    return status.st_mtim;
}

std::int64_t FileCopySource::copyChunk(std::uint64_t offset, std::size_t length, int destination)
{
    if (reading == Reading::inKernel) {
        const std::int64_t moved = kernelCopy(offset, length, destination);
        if (reading == Reading::inKernel)
            return moved;
    }
    if (reading == Reading::mapped && mapping == nullptr)
        map();
    return reading == Reading::mapped ? mappedCopy(offset, length, destination)
                                      : bufferedCopy(offset, length, destination);
}

std::int64_t FileCopySource::kernelCopy(std::uint64_t offset, std::size_t length, int destination)
{
    auto from = static_cast<off_t>(offset);
    std::size_t moved = 0;
    while (moved < length) {
        const ssize_t got = ::copy_file_range(fd, &from, destination, nullptr, length - moved, 0);
        if (got < 0 && errno == EINTR)
            continue;
        // These file systems cannot copy between each other, or (some virtual ones) answer
        // nothing for a file that holds bytes: from the first block on, before anything
        // was written, the bytes go through the program instead.
        const bool unsupported = got < 0 &&
            (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL);
        if (moved == 0 && offset == 0 && (unsupported || got == 0)) {
            reading = Reading::mapped;
            return -1;
        }
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        moved += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(moved);
}

void FileCopySource::map()
{
    const std::uint64_t size = measureSize();
    void* mapped = size > 0 ? ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    if (mapped == MAP_FAILED) {
        reading = Reading::buffered;
        return;
    }
    ::madvise(mapped, size, MADV_SEQUENTIAL);
    mapping = static_cast<const std::byte*>(mapped);
    mappingSize = size;
}

std::int64_t FileCopySource::mappedCopy(std::uint64_t offset, std::size_t length, int destination)
{
    // The mapping covers the size measured when it was made; a file that has grown since
    // is read on from the file itself.
    if (offset >= mappingSize)
        return bufferedCopy(offset, length, destination);
    const std::size_t count = std::min<std::uint64_t>(length, mappingSize - offset);
    if (!writeAll(destination, std::span(mapping + offset, count)))
        return -1;
    const std::size_t copiedTo = offset + count;
    if (copiedTo - releasedUpTo >= kReleaseStep) {
        const std::size_t release = (copiedTo - releasedUpTo) / kReleaseStep * kReleaseStep;
        ::madvise(const_cast<std::byte*>(mapping) + releasedUpTo, release, MADV_DONTNEED);
        releasedUpTo += release;
    }
    return static_cast<std::int64_t>(count);
}

std::int64_t FileCopySource::bufferedCopy(std::uint64_t offset, std::size_t length, int destination)
{
    if (buffer.empty())
        buffer.resize(kCopyChunkSize * kChunksPerBlock);
    std::size_t moved = 0;
    while (moved < length) {
        const std::size_t wanted = std::min(length - moved, buffer.size());
        const ssize_t got = ::pread(fd, buffer.data(), wanted, static_cast<off_t>(offset + moved));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        if (!writeAll(destination, std::span(buffer.data(), static_cast<std::size_t>(got))))
            return -1;
        moved += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(moved);
}

} // namespace korvida
