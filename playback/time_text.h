#pragma once

#include <cstdint>
#include <string>

#include "platform/movie.h"

namespace korvida {

// The time texts of the time labels: choice 2 is the elapsed time, any other choice the
// remaining time, as "00:MM:SS" below an hour and "HH:MM:SS" from an hour on.
std::string timeDisplay(int choice, std::int32_t time, std::int32_t duration, std::int32_t timeScale);
std::string timeDisplay(int choice, const Movie& movie);

} // namespace korvida
