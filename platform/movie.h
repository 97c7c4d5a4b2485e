#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/geometry.h"

namespace korvida {

// A loaded tune, movie or still picture. Times are 32-bit signed counts of the movie's time
// scale (units per second).
class Movie {
public:
    virtual ~Movie() = default;

    virtual std::int32_t getMovieTime() const = 0;
    virtual std::int32_t getMovieDuration() const = 0;
    virtual std::int32_t getMovieTimeScale() const = 0;
    virtual Rect getMovieNaturalBoundsRect() const = 0;
    virtual void setMovieTimeValue(std::int32_t time) = 0;

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual float rate() const = 0;
    virtual void setRate(float rate) = 0;

    // A movie may still be opening when it is handed over: until its duration is known it is
    // not at its end. A file that turns out not to be playable reports that it failed.
    virtual bool hasDuration() const { return true; }
    virtual bool failed() const { return false; }

    // Whether the movie has really played to its end. A player may report its end, or a time
    // equal to its duration, for a moment right after a load; that is no end.
    virtual bool atEnd() const { return getMovieTime() >= getMovieDuration(); }
    // Whether the movie stopped at its end long before it could have played that far: the
    // file is cut short or cannot be decoded to its end.
    virtual bool endedEarly() const { return false; }

    // Runs on the main thread whenever the duration, the natural size or the failure becomes
    // known after the movie was opened.
    void setInfoHandler(std::function<void()> handler) { infoHandler = std::move(handler); }

protected:
    void infoArrived() const
    {
        if (infoHandler)
            infoHandler();
    }

private:
    std::function<void()> infoHandler;
};

// Opens a file as a movie: tunes, movies and still pictures alike. Answers nothing when the
// file cannot be opened.
class Movies {
public:
    virtual ~Movies() = default;
    virtual std::shared_ptr<Movie> openMovie(const std::string& path) = 0;
};

} // namespace korvida
