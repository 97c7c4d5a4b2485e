#pragma once

#include "import/statistics_tags.h"

namespace korvida::qt {

// Writes FMPS_Rating and FMPS_Playcount with TagLib: ID3v2 user text frames (TXXX) in MP3
// files, freeform atoms (----:com.apple.iTunes:) in MP4 files, and for other formats the
// place TagLib's generic properties give (Vorbis comments in Ogg and FLAC files).
class TagLibStatisticsWriter final : public StatisticsTagWriter {
public:
    bool writeStatisticsTags(const std::string& path, const StatisticsTagTexts& texts) override;
};

} // namespace korvida::qt
