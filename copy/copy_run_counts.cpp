#include "copy/copy_run_counts.h"

namespace korvida {

void CopyRunCounts::add(CopyOutcome outcome)
{
    switch (outcome) {
    case CopyOutcome::copied: ++copied; break;
    case CopyOutcome::skipped: ++skipped; break;
    case CopyOutcome::missing: ++missing; break;
    case CopyOutcome::failed: ++failed; break;
    case CopyOutcome::cancelled: ++cancelled; break;
    }
}

std::string summaryLine(const CopyRunCounts& counts)
{
    std::string line = std::to_string(counts.copied) + " copied, " + std::to_string(counts.skipped) + " skipped, " +
        std::to_string(counts.missing) + " missing, " + std::to_string(counts.failed) + " failed";
    if (counts.cancelled > 0)
        line += ", " + std::to_string(counts.cancelled) + " cancelled";
    return line;
}

} // namespace korvida
