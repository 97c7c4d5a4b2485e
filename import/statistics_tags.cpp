#include "import/statistics_tags.h"

#include <charconv>

namespace korvida {

StatisticsTagTexts statisticsTagTexts(const TuneStatistics& statistics)
{
    StatisticsTagTexts texts;
    if (statistics.rating && *statistics.rating > 0) {
        // 0 to 100 on the player, 0 to 1 in the tag: 60 is "0.6".
        char text[16];
        const auto written = std::to_chars(std::begin(text), std::end(text), *statistics.rating / 100.0);
        texts.rating = std::string(text, written.ptr);
    }
    if (statistics.playCount && *statistics.playCount > 0)
        texts.playCount = std::to_string(*statistics.playCount);
    return texts;
}

} // namespace korvida
