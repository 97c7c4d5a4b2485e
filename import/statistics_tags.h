#pragma once

#include <optional>
#include <string>

#include "library/tune_statistics.h"

namespace korvida {

// The texts of the tags that music players on Linux read a tune's rating and play count
// from (FMPS_Rating, a fraction of 1, and FMPS_Playcount). A rating of 0 is a tune the player
// never rated, and a count of 0 is nothing to tell: neither is written.
struct StatisticsTagTexts {
    std::optional<std::string> rating;
    std::optional<std::string> playCount;

    bool empty() const { return !rating && !playCount; }
};

StatisticsTagTexts statisticsTagTexts(const TuneStatistics& statistics);

// Writes the statistics into a copied file's own tags, where its format has a standard place
// for them. The desktop provides it; the import uses it only when the user asked for it.
class StatisticsTagWriter {
public:
    virtual ~StatisticsTagWriter() = default;
    // False when the file's format has no such place or the file could not be written.
    virtual bool writeStatisticsTags(const std::string& path, const StatisticsTagTexts& texts) = 0;
};

} // namespace korvida
