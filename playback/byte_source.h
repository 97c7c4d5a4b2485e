#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace korvida {

// Bytes read by offset: a file, or memory in tests and the fuzz target.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to `buffer.size()` bytes from `offset`; answers how many were read.
    virtual std::size_t read(std::uint64_t offset, std::span<std::uint8_t> buffer) const = 0;
};

class MemoryByteSource : public ByteSource {
public:
    explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes(bytes) {}
    std::uint64_t size() const override { return bytes.size(); }
    std::size_t read(std::uint64_t offset, std::span<std::uint8_t> buffer) const override;

private:
    std::span<const std::uint8_t> bytes;
};

// A file opened for reading, by its descriptor, which it closes; -1 holds no bytes. The size
// is taken once, when it is made.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(int fd);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return fd >= 0; }
    std::uint64_t size() const override { return length; }
    std::size_t read(std::uint64_t offset, std::span<std::uint8_t> buffer) const override;

private:
    int fd;
    std::uint64_t length = 0;
};

} // namespace korvida
