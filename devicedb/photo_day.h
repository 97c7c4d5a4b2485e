#pragma once

#include <cstdint>
#include <string>

namespace korvida {

// The year, month and day folders of a photo ("2006", "07", "14"), from a date in seconds
// since the start of 1904 as the player's databases keep it. A date of 0 (none) gives
// empty texts.
struct PhotoDay {
    std::string year;
    std::string month;
    std::string day;
};
PhotoDay photoDay(std::uint32_t playerSeconds);

// "Photo 0001" for 1: the name of a photo the player keeps only as thumbnails.
std::string numberedPhotoName(int number);

} // namespace korvida
