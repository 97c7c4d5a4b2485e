#pragma once

#include <string>

#include "copy/copy_outcome.h"

class InMedia;

namespace korvida {

// How the items of one copy run ended, for the line the window shows when the run is over.
struct CopyRunCounts {
    int copied = 0;
    int skipped = 0;
    int missing = 0;
    int failed = 0;
    int cancelled = 0;
    // "could not copy NAME: REASON" for the run's first failure.
    std::string firstFailure;

    void add(CopyOutcome outcome);
    // Counts `outcome` and, for the first failure, notes the item and why.
    void add(const InMedia& media, CopyOutcome outcome);
};

// "3 copied, 1 skipped, 0 missing, 1 failed", with ", 2 cancelled" when any were and
// "; could not copy NAME: REASON" for the first failure.
std::string summaryLine(const CopyRunCounts& counts);

} // namespace korvida
