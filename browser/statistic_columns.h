#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/tune_statistics.h"
#include "platform/table_data_source.h"

class InMedia;

// The media-table columns that show what the player counted for each tune.
namespace korvida {

enum class Statistic {
    Rating,
    PlayCount,
    SkipCount,
    LastPlayed,
    DateAdded,
};

struct StatisticColumn {
    const char* identifier;
    const char* title;
    Statistic statistic;
};

inline constexpr StatisticColumn kStatisticColumns[] = {
    {"rating", "Rating", Statistic::Rating},              // as stars
    {"playCount", "Plays", Statistic::PlayCount},         // as a number
    {"skipCount", "Skips", Statistic::SkipCount},         // as a number
    {"lastPlayed", "Last Played", Statistic::LastPlayed}, // local day
    {"dateAdded", "Date Added", Statistic::DateAdded},    // local day
};

// The statistic a column identifier names, if any.
std::optional<Statistic> statisticOf(std::string_view identifier);

// A cell of a statistic column: the rating as stars, the counts as numbers, the dates as
// local days; nothing where the player keeps no value.
CellValue statisticValue(const TuneStatistics& statistics, Statistic statistic);

// The rating (0 to 100, 20 a star) as five stars, the filled ones first: 60 is "★★★☆☆". A
// rating between two stars shows the nearer one.
std::string starsText(std::uint8_t rating);

// Sorts the list in place by the statistic, items without a value as the lowest. Items
// with the same value keep their relative order.
void sortMediasByStatistic(std::vector<InMedia*>& medias, Statistic statistic, bool descending);

} // namespace korvida
