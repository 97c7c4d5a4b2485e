#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "copy/copy_source.h"

namespace korvida {

// A regular file as the source of a copy. Blocks are copied by the kernel from file to
// file (copy_file_range) where both file systems allow it; otherwise they are written
// straight from a read-only mapping of the file, one system call per block, and where the
// file cannot be mapped they go through a buffer of one block with pread and write. A
// mapped page that cannot be read (the player unplugged, the file cut short) makes the
// write fail with an error rather than raise a signal, since the kernel reads the mapping
// on the program's behalf.
class FileCopySource final : public CopySource {
public:
    enum class Reading {
        inKernel,
        mapped,
        buffered
    };

    // Anything but a regular file (a folder, a pipe, a device) counts as not openable, so a
    // strange entry on the player can neither block nor flood the copy.
    explicit FileCopySource(const std::string& path, Reading reading = Reading::inKernel);
    ~FileCopySource() override;
    FileCopySource(const FileCopySource&) = delete;
    FileCopySource& operator=(const FileCopySource&) = delete;

    bool isOpen() const override { return fd >= 0; }
    std::uint64_t measureSize() override;
    std::int64_t copyChunk(std::uint64_t offset, std::size_t length, int destination) override;
    int openFailure() const override { return openError; }
    // The file's modification time; zero when the file is not open.
    timespec modificationTime() const override;

private:
    std::int64_t kernelCopy(std::uint64_t offset, std::size_t length, int destination);
    void map();
    std::int64_t mappedCopy(std::uint64_t offset, std::size_t length, int destination);
    std::int64_t bufferedCopy(std::uint64_t offset, std::size_t length, int destination);

    int fd = -1;
    int openError = 0;
    Reading reading;
    const std::byte* mapping = nullptr;
    std::size_t mappingSize = 0;
    // Pages of the mapping below this offset are let go of as the copy passes them.
    std::size_t releasedUpTo = 0;
    // Made at the first buffered read only.
    std::vector<std::byte> buffer;
};

} // namespace korvida
