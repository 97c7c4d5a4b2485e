#include "devicedb/photo_day.h"

#include <chrono>
#include <cstdio>

namespace korvida {

namespace {

// Seconds from 1904-01-01 to 1970-01-01.
constexpr std::int64_t kPlayerEpochOffset = 2082844800;

std::string twoDigits(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02u", value);
    return text;
}

} // namespace

PhotoDay photoDay(std::uint32_t playerSeconds)
{
    if (playerSeconds == 0)
        return {};
    using namespace std::chrono;
    const sys_seconds time{seconds{std::int64_t{playerSeconds} - kPlayerEpochOffset}};
    const year_month_day date{floor<days>(time)};
    return {std::to_string(static_cast<int>(date.year())), twoDigits(static_cast<unsigned>(date.month())),
            twoDigits(static_cast<unsigned>(date.day()))};
}

std::string numberedPhotoName(int number)
{
    char text[24];
    std::snprintf(text, sizeof text, "Photo %04d", number);
    return text;
}

} // namespace korvida
