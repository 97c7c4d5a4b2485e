#include "playback/time_text.h"

#include <cstdio>

namespace korvida {

std::string timeDisplay(int choice, std::int32_t time, std::int32_t duration, std::int32_t timeScale)
{
    // Wider than the movie times, so that no difference overflows; a movie without a time
    // scale, or a time past the end, counts as no time at all.
    const std::int64_t units = choice == 2 ? std::int64_t{time} : std::int64_t{duration} - time;
    const std::int64_t seconds = timeScale > 0 && units > 0 ? units / timeScale : 0;
    const std::int64_t hours = seconds / 3600;
    const std::int64_t minutes = (seconds - 3600 * hours) / 60;
    char text[32];
    if (hours == 0)
        std::snprintf(text, sizeof text, "00:%02lld:%02lld", static_cast<long long>(minutes),
                      static_cast<long long>(seconds % 60));
    else
        std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(hours),
                      static_cast<long long>(minutes), static_cast<long long>(seconds % 60));
    return text;
}

std::string timeDisplay(int choice, const Movie& movie)
{
    return timeDisplay(choice, movie.getMovieTime(), movie.getMovieDuration(), movie.getMovieTimeScale());
}

} // namespace korvida
