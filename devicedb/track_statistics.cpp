#include "devicedb/track_statistics.h"

namespace korvida {

namespace {

// Offsets in the track header.
constexpr std::size_t kHeaderLength = 4;
constexpr std::size_t kRating = 31; // one byte, 0 to 100
constexpr std::size_t kPlayCount = 80;
constexpr std::size_t kLastPlayed = 88;
constexpr std::size_t kDateAdded = 104;
constexpr std::size_t kSkipCount = 156;

} // namespace

TuneStatistics readTrackStatistics(ByteView data, std::size_t p)
{
    const std::size_t headerLength = le32At(data, p + kHeaderLength);
    const auto holds = [&](std::size_t offset, std::size_t width) {
        return offset + width <= headerLength && fits(data, p, offset + width);
    };
    TuneStatistics statistics;
    if (holds(kRating, 1))
        statistics.rating = data[p + kRating];
    if (holds(kPlayCount, 4))
        statistics.playCount = le32At(data, p + kPlayCount);
    if (holds(kLastPlayed, 4))
        statistics.lastPlayedSince1904 = le32At(data, p + kLastPlayed);
    if (holds(kDateAdded, 4))
        statistics.dateAddedSince1904 = le32At(data, p + kDateAdded);
    if (holds(kSkipCount, 4))
        statistics.skipCount = le32At(data, p + kSkipCount);
    return statistics;
}

} // namespace korvida
