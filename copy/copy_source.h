#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>

namespace korvida {

// The copy's progress advances in steps of this size.
inline constexpr std::size_t kCopyChunkSize = 16384;

// The bytes move in blocks of this many chunks, so that a large file takes few system
// calls; a cancel is looked at between blocks, a few milliseconds apart.
inline constexpr std::size_t kChunksPerBlock = 64;

// Where a copy reads from. The engine asks it to move one block at a time onto the end of
// the destination, so a file can have the kernel copy it or write straight from its
// mapping, and a test can stand in a source that fails on purpose.
class CopySource {
public:
    virtual ~CopySource() = default;

    virtual bool isOpen() const = 0;
    // The size at the moment of the call; 0 when the source is not open.
    virtual std::uint64_t measureSize() = 0;
    // Moves up to `length` bytes found at `offset` onto the end of the open file
    // `destination`. Returns the number of bytes moved, which is less than `length` only
    // at the source's end, or -1 when a read or a write failed, with errno telling why.
    virtual std::int64_t copyChunk(std::uint64_t offset, std::size_t length, int destination) = 0;
    // Why the source is not open: an error number or a reason of copy_failure.h.
    virtual int openFailure() const { return 0; }
    // The source's modification time, which a copy carries over; zero when it has none.
    virtual timespec modificationTime() const { return {}; }
    // Gives the open file `destination` the source's modification time, so that a copy
    // carries the date of its original. A source without one leaves the copy's own.
    void stampModificationTime(int destination) const;
};

// Writes every byte of `bytes` to `fd`, going on after short writes. False when a write
// fails or makes no progress (a full disk, a file-size limit).
bool writeAll(int fd, std::span<const std::byte> bytes);

} // namespace korvida
