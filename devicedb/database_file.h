#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devicedb/byte_view.h"

namespace korvida {

// A database file's bytes, read whole.
class DatabaseBytes {
public:
    DatabaseBytes() = default;
    DatabaseBytes(std::unique_ptr<std::uint8_t[]> bytes, std::size_t size) : bytes(std::move(bytes)), count(size) {}

    operator ByteView() const { return {bytes.get(), count}; }
    std::size_t size() const { return count; }

private:
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t count = 0;
};

// The whole file in one read; empty when it cannot be opened or read.
DatabaseBytes readWholeFile(const std::string& path);

} // namespace korvida
