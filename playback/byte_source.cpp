#include "playback/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace korvida {

std::size_t MemoryByteSource::read(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    if (offset >= bytes.size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(buffer.size(), bytes.size() - offset);
    // An empty buffer may have no storage at all, which memcpy must not be given.
    if (count == 0)
        return 0;
    std::memcpy(buffer.data(), bytes.data() + offset, count);
    return count;
}

FileByteSource::FileByteSource(int fd) : fd(fd)
{
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && info.st_size > 0)
        length = static_cast<std::uint64_t>(info.st_size);
}

FileByteSource::~FileByteSource()
{
    if (fd >= 0)
        ::close(fd);
}

std::size_t FileByteSource::read(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    std::size_t got = 0;
    while (fd >= 0 && got < buffer.size() && offset + got < length) {
        const ssize_t count = ::pread(fd, buffer.data() + got, buffer.size() - got, static_cast<off_t>(offset + got));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    return got;
}

} // namespace korvida
