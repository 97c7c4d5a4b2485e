#include "browser/statistic_columns.h"

#include <algorithm>
#include <ctime>

#include "library/in_media.h"

namespace korvida {

namespace {

constexpr int kStars = 5;
constexpr int kPerStar = 20;

// The day in the user's time zone; narrow enough for a table column.
std::string localDateText(std::int64_t unixSeconds)
{
    const auto moment = static_cast<std::time_t>(unixSeconds);
    std::tm parts{};
    if (localtime_r(&moment, &parts) == nullptr)
        return {};
    char text[32];
    return std::strftime(text, sizeof text, "%Y-%m-%d", &parts) > 0 ? text : "";
}

// The value a statistic sorts by; no value sorts below every value.
std::int64_t sortValue(const TuneStatistics& statistics, Statistic statistic)
{
    constexpr std::int64_t kNone = -1;
    switch (statistic) {
    case Statistic::Rating: return statistics.rating ? *statistics.rating : kNone;
    case Statistic::PlayCount: return statistics.playCount ? *statistics.playCount : kNone;
    case Statistic::SkipCount: return statistics.skipCount ? *statistics.skipCount : kNone;
    // Dates are kept as seconds since 1904, which order like the dates; 0 is no date.
    case Statistic::LastPlayed: return statistics.lastPlayedSince1904 ? statistics.lastPlayedSince1904 : kNone;
    case Statistic::DateAdded: return statistics.dateAddedSince1904 ? statistics.dateAddedSince1904 : kNone;
    }
    return kNone;
}

CellValue countValue(const std::optional<std::uint32_t>& count)
{
    // The cell holds an int; no player counts that far.
    return count ? CellValue(static_cast<int>(std::min<std::uint32_t>(*count, INT32_MAX))) : CellValue();
}

CellValue dateValue(const std::optional<std::int64_t>& unixSeconds)
{
    return unixSeconds ? CellValue(localDateText(*unixSeconds)) : CellValue();
}

} // namespace

std::optional<Statistic> statisticOf(std::string_view identifier)
{
    for (const StatisticColumn& column : kStatisticColumns)
        if (identifier == column.identifier)
            return column.statistic;
    return std::nullopt;
}

CellValue statisticValue(const TuneStatistics& statistics, Statistic statistic)
{
    switch (statistic) {
    case Statistic::Rating: return statistics.rating ? CellValue(starsText(*statistics.rating)) : CellValue();
    case Statistic::PlayCount: return countValue(statistics.playCount);
    case Statistic::SkipCount: return countValue(statistics.skipCount);
    case Statistic::LastPlayed: return dateValue(statistics.lastPlayed());
    case Statistic::DateAdded: return dateValue(statistics.dateAdded());
    }
    return {};
}

std::string starsText(std::uint8_t rating)
{
    const int filled = std::min(kStars, (rating + kPerStar / 2) / kPerStar);
    std::string text;
    for (int star = 0; star < kStars; ++star)
        text += star < filled ? "\u2605" : "\u2606";
    return text;
}

void sortMediasByStatistic(std::vector<InMedia*>& medias, Statistic statistic, bool descending)
{
    // Each item's value is taken once, beside its place in the list.
    std::vector<std::pair<std::int64_t, InMedia*>> keyed;
    keyed.reserve(medias.size());
    for (InMedia* media : medias)
        keyed.emplace_back(sortValue(media->getStatistics(), statistic), media);
    std::stable_sort(keyed.begin(), keyed.end(), [descending](const auto& a, const auto& b) {
        return descending ? a.first > b.first : a.first < b.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        medias[i] = keyed[i].second;
}

} // namespace korvida
