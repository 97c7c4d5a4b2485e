#pragma once

#include <cstdint>
#include <string>
#include <system_error>

#include "devicedb/byte_view.h"
#include "devicedb/mapping_guard.h"

namespace korvida {

// No player's database comes near this size; a larger file is damaged or not a database.
constexpr std::uintmax_t kMaxDatabaseSize = std::uintmax_t{512} * 1024 * 1024;

// A database file's bytes, mapped read-only and faulted in a window at a time ahead of the
// scan: the reader looks at every byte, and a sweep over a window costs far less than a
// fault per page or a copy into fresh memory. Pages behind the scan are given back, so the
// file never holds more than a few windows of memory while the library grows.
class DatabaseBytes {
public:
    DatabaseBytes() = default;
    DatabaseBytes(DatabaseBytes&& other) noexcept;
    DatabaseBytes& operator=(DatabaseBytes&& other) noexcept;
    ~DatabaseBytes();

    operator ByteView() const { return {bytes, count}; }
    // The scan has reached the position: gives back the memory of the whole pages before
    // it (they are read from the file again should they be needed) and faults in the window
    // after it.
    void scanReached(std::size_t position) const;
    std::size_t size() const { return count; }
    // Another program made the file shorter while it was mapped: the pages past its new end
    // read as zeros.
    bool fileWasCutShort() const { return guard.fileWasCutShort(); }

private:
    // Takes over a mapping made by readWholeFile, which the destructor unmaps.
    DatabaseBytes(const std::uint8_t* bytes, std::size_t size) : bytes(bytes), count(size), guard(bytes, size) {}
    friend DatabaseBytes readWholeFile(const std::string& path, std::error_code& error);

    const std::uint8_t* bytes = nullptr;
    std::size_t count = 0;
    MappingGuard guard;
};

// The whole file, or nothing. A missing or empty file gives nothing and no error; a folder,
// a FIFO or another file that is not a regular one, a file larger than kMaxDatabaseSize
// and one that cannot be opened or mapped give nothing and the reason in `error`.
DatabaseBytes readWholeFile(const std::string& path, std::error_code& error);

} // namespace korvida
