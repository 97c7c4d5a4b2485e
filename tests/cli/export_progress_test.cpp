#include <gtest/gtest.h>

#include "cli/export_progress.h"

using namespace korvida::cli;

TEST(ExportProgress, ByteCountsInPowersOfAThousand)
{
    EXPECT_EQ(byteCount(0), "0 B");
    EXPECT_EQ(byteCount(999), "999 B");
    EXPECT_EQ(byteCount(1500), "1.5 kB");
    EXPECT_EQ(byteCount(123456789), "123.5 MB");
    EXPECT_EQ(byteCount(7'000'000'000'000'000ull), "7000.0 TB");
}

TEST(ExportProgress, LineFitsTheTerminalAndShowsItemsBytesAndRate)
{
    const std::string line = progressLine(3, 10, 50'000'000, 100'000'000, 2.0, 120);
    EXPECT_LE(line.size(), 120u);
    EXPECT_EQ(line.substr(0, 42), "[####################....................]");
    EXPECT_NE(line.find("3/10 items"), std::string::npos);
    EXPECT_NE(line.find("50.0 MB of 100.0 MB"), std::string::npos);
    EXPECT_NE(line.find("25.0 MB/s"), std::string::npos);

    for (std::size_t width : {80, 30})
        EXPECT_LE(progressLine(3, 10, 50'000'000, 100'000'000, 2.0, width).size(), width);
    EXPECT_EQ(progressLine(0, 0, 0, 0, 0.0, 80).find("[####"), 0u); // nothing to copy is all done
}

TEST(ExportProgress, SummaryCountsEveryOutcome)
{
    ExportCounts counts;
    counts.copied = 4;
    counts.skipped = 2;
    counts.missing = 1;
    counts.failed = 1;
    counts.cancelled = 1;
    EXPECT_EQ(exportSummary(counts, 12, false),
              "4 copied, 2 skipped (already there), 1 missing on the player, 1 failed");
    EXPECT_EQ(exportSummary(counts, 12, true),
              "4 copied, 2 skipped (already there), 1 missing on the player, 1 failed, 4 not copied (interrupted)");
}
