#include "copy/copy_run_counts.h"

#include "copy/copy_failure.h"
#include "library/in_media.h"

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

void CopyRunCounts::add(const InMedia& media, CopyOutcome outcome)
{
    add(outcome);
    if (outcome == CopyOutcome::failed && firstFailure.empty())
        firstFailure = "could not copy " + media.getCleanName() + ": " + copyFailureReason(media.getCopyFailure());
}

std::string summaryLine(const CopyRunCounts& counts)
{
    std::string line = std::to_string(counts.copied) + " copied, " + std::to_string(counts.skipped) + " skipped, " +
        std::to_string(counts.missing) + " missing, " + std::to_string(counts.failed) + " failed";
    if (counts.cancelled > 0)
        line += ", " + std::to_string(counts.cancelled) + " cancelled";
    if (!counts.firstFailure.empty())
        line += "; " + counts.firstFailure;
    return line;
}

} // namespace korvida
