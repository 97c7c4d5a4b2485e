#pragma once

#include <cstddef>
#include <functional>

namespace korvida {

// Told now and then that a scan will read no byte before a position again, so that the
// pages of a mapped file behind the scan can be given back while the library grows.
using ScanProgress = std::function<void(std::size_t position)>;

// Passes the scan's position on every few megabytes.
class ProgressSteps {
public:
    explicit ProgressSteps(const ScanProgress& progress) : progress(progress) {}

    void at(std::size_t position)
    {
        if (position >= next && progress) {
            progress(position);
            next = position + kStep;
        }
    }

private:
    static constexpr std::size_t kStep = std::size_t{8} << 20;
    const ScanProgress& progress;
    std::size_t next = kStep;
};

} // namespace korvida
