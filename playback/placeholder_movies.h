#pragma once

#include "platform/movie.h"

namespace korvida {

// Stands where no file is open: no time and no picture.
class EmptyMovie : public Movie {
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
};

// Stands for a file that the movie service could not open at all, failed, so that the tick
// moves on past it as past a file that fails while playing.
class FailedMovie : public EmptyMovie {
public:
    bool failed() const override { return true; }
};

// Stands for a file still being made ready on another thread: with no duration yet, the
// tick waits for it as for a movie still opening.
class PendingMovie : public EmptyMovie {
public:
    bool hasDuration() const override { return false; }
};

} // namespace korvida
