#pragma once

#include <cstdint>
#include <string>
#include <system_error>

#include "devicedb/byte_view.h"

namespace korvida {

// No player's database comes near this size; a larger file is damaged or not a database.
constexpr std::uintmax_t kMaxDatabaseSize = std::uintmax_t{512} * 1024 * 1024;

// A database file's bytes, mapped read-only and faulted in at once: the reader scans every
// byte, and one sweep costs far less than a copy into fresh memory.
class DatabaseBytes {
public:
    DatabaseBytes() = default;
    DatabaseBytes(DatabaseBytes&& other) noexcept;
    DatabaseBytes& operator=(DatabaseBytes&& other) noexcept;
    ~DatabaseBytes();

    operator ByteView() const { return {bytes, count}; }
    // Gives back the memory of the whole pages before the position; they are read from the
    // file again should they be needed.
    void releaseBefore(std::size_t position) const;
    std::size_t size() const { return count; }

private:
    // Takes over a mapping made by readWholeFile, which the destructor unmaps.
    DatabaseBytes(const std::uint8_t* bytes, std::size_t size) : bytes(bytes), count(size) {}
    friend DatabaseBytes readWholeFile(const std::string& path, std::error_code& error);

    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
};

// The whole file, or nothing. A missing or empty file gives nothing and no error; a folder,
// a FIFO or another file that is not a regular one, a file larger than kMaxDatabaseSize
// and one that cannot be opened or mapped give nothing and the reason in `error`.
DatabaseBytes readWholeFile(const std::string& path, std::error_code& error);

} // namespace korvida
