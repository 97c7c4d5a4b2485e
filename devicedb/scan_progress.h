#pragma once

#include <cstddef>
#include <functional>

namespace korvida {

// Told now and then how far a scan has come, so that the pages of a mapped file behind it
// can be given back while the library grows, and those ahead of it asked for. A scan that
// reads some of those bytes again later (the photo scan after an album's walk) only has them
// read in from the file again.
using ScanProgress = std::function<void(std::size_t position)>;

// Passes the scan's position on every few megabytes after where it starts.
class ProgressSteps {
public:
    explicit ProgressSteps(const ScanProgress& progress, std::size_t start = 0)
        : progress(progress), next(start + kStep)
    {}

    void at(std::size_t position)
    {
        if (position >= next && progress) {
            progress(position);
            next = position + kStep;
        }
    }

private:
    static constexpr std::size_t kStep = std::size_t{4} << 20;
    const ScanProgress& progress;
    std::size_t next;
};

} // namespace korvida
