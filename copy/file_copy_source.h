#pragma once

#include <array>
#include <string>

#include "copy/copy_source.h"

namespace korvida {

// A regular file as the source of a copy. Chunks move with copy_file_range, which copies
// inside the kernel; where the kernel refuses that between the two file systems, they go
// through a buffer of one chunk with pread and write.
class FileCopySource final : public CopySource {
public:
    // Anything but a regular file (a folder, a pipe, a device) counts as not openable, so a
    // strange entry on the player can neither block nor flood the copy.
    explicit FileCopySource(const std::string& path);
    ~FileCopySource() override;
    FileCopySource(const FileCopySource&) = delete;
    FileCopySource& operator=(const FileCopySource&) = delete;

    bool isOpen() const override { return fd >= 0; }
    std::uint64_t measureSize() override;
    std::int64_t copyChunk(std::uint64_t offset, std::size_t length, int destination) override;

private:
    // One step of a chunk: bytes moved, 0 at the source's end, -1 on a failure.
    long kernelCopy(std::uint64_t offset, std::size_t length, int destination);
    long bufferedCopy(std::uint64_t offset, std::size_t length, int destination);

    int fd = -1;
    bool kernelCopyWorks = true;
    std::array<std::byte, kCopyChunkSize> buffer{};
};

} // namespace korvida
