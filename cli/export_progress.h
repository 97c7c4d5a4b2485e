#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvida::cli {

// How far an export has come, for the progress bar and the closing summary.
struct ExportCounts {
    std::size_t copied = 0;
    std::size_t skipped = 0; // the destination already existed
    std::size_t missing = 0; // the file is gone from the player
    std::size_t failed = 0;
    std::size_t cancelled = 0;

    std::size_t done() const { return copied + skipped + missing + failed + cancelled; }
};

// "12.3 MB" style, in powers of 1000.
std::string byteCount(std::uint64_t bytes);

// One line of at most `width` columns: a bar, the items done, the bytes and the rate.
std::string progressLine(std::size_t doneItems, std::size_t totalItems, std::uint64_t doneBytes,
                         std::uint64_t totalBytes, double seconds, std::size_t width);

// The closing line: the counts copied, skipped, missing and failed, and what an interrupt
// left out of `total`.
std::string exportSummary(const ExportCounts& counts, std::size_t total, bool interrupted);

} // namespace korvida::cli
