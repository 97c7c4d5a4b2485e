#pragma once

#include "platform/movie.h"

namespace korvida {

// Stands for a file that the movie service could not open at all: no time, no picture, and
// failed, so that the tick moves on past it as past a file that fails while playing.
class FailedMovie : public Movie {
public:
    std::int32_t getMovieTime() const override { return 0; }
    std::int32_t getMovieDuration() const override { return 0; }
    std::int32_t getMovieTimeScale() const override { return 1; }
    Rect getMovieNaturalBoundsRect() const override { return {}; }
    void setMovieTimeValue(std::int32_t) override {}
    void start() override {}
    void stop() override {}
    float rate() const override { return 0.0f; }
    void setRate(float) override {}
    bool failed() const override { return true; }
};

} // namespace korvida
