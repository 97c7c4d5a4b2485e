#include "devicedb/database_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace korvida {

namespace {

// Closes the descriptor when the read is done; a mapping outlives it.
struct OpenFile {
    int descriptor;
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
};

// Twice the distance at which the scan reports its position, so that the next window is
// asked for before the scan leaves the current one.
constexpr std::size_t kWindow = std::size_t{8} << 20;

// Faults in the pages of the window from `start` (a page boundary) in one call. A kernel
// without MADV_POPULATE_READ refuses it, and the pages are faulted in as they are read.
void faultInWindow(const std::uint8_t* bytes, std::size_t size, std::size_t start)
{
    if (bytes && start < size)
        ::madvise(const_cast<std::uint8_t*>(bytes) + start, std::min(kWindow, size - start), MADV_POPULATE_READ);
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

// Whether the file of the descriptor may be mapped whole, and its size.
std::error_code checkFile(int descriptor, std::size_t& size)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return lastError();
    if (S_ISDIR(status.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(status.st_mode))
        return std::make_error_code(std::errc::not_supported);
    if (status.st_size < 0 || static_cast<std::uintmax_t>(status.st_size) > kMaxDatabaseSize)
        return std::make_error_code(std::errc::file_too_large);
    size = static_cast<std::size_t>(status.st_size);
    return {};
}

} // namespace

DatabaseBytes::DatabaseBytes(DatabaseBytes&& other) noexcept
    : bytes(std::exchange(other.bytes, nullptr)), count(std::exchange(other.count, 0)), guard(std::move(other.guard))
{}

DatabaseBytes& DatabaseBytes::operator=(DatabaseBytes&& other) noexcept
{
    std::swap(bytes, other.bytes);
    std::swap(count, other.count);
    std::swap(guard, other.guard);
    return *this;
}

DatabaseBytes::~DatabaseBytes()
{
    // The range stops being guarded before it is unmapped and may be mapped again.
    guard = MappingGuard();
    if (bytes)
        ::munmap(const_cast<std::uint8_t*>(bytes), count);
}

void DatabaseBytes::scanReached(std::size_t position) const
{
    const auto pageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t length = std::min(position, count) / pageSize * pageSize;
    if (bytes && length > 0)
        ::madvise(const_cast<std::uint8_t*>(bytes), length, MADV_DONTNEED);
    faultInWindow(bytes, count, length);
}

DatabaseBytes readWholeFile(const std::string& path, std::error_code& error)
{
    error.clear();
    // Not blocking: a FIFO in the database's place must not wait for a writer.
    const OpenFile file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.descriptor < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            error = lastError();
        return {};
    }
    std::size_t size = 0;
    error = checkFile(file.descriptor, size);
    if (error || size == 0)
        return {};
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, file.descriptor, 0);
    if (mapped == MAP_FAILED) {
        error = lastError();
        return {};
    }
    ::madvise(mapped, size, MADV_SEQUENTIAL);
    faultInWindow(static_cast<const std::uint8_t*>(mapped), size, 0);
    return {static_cast<const std::uint8_t*>(mapped), size};
}

} // namespace korvida
