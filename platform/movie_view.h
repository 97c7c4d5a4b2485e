#pragma once

#include <memory>

#include "platform/movie.h"
#include "platform/view.h"

namespace korvida {

// Shows a movie. Starting, stopping and the rate act on the movie it holds.
class MovieView : public View {
public:
    const std::shared_ptr<Movie>& movie() const { return shown; }
    void setMovie(std::shared_ptr<Movie> value)
    {
        shown = std::move(value);
        notify(Change::Content);
    }

    void start()
    {
        if (shown)
            shown->start();
    }
    void stop()
    {
        if (shown)
            shown->stop();
    }
    void setRate(float rate)
    {
        if (shown)
            shown->setRate(rate);
    }

    bool isControllerVisible() const { return controllerVisible; }
    bool adjustsSize() const { return adjustSize; }
    void showController(bool show, bool adjustingSize)
    {
        controllerVisible = show;
        adjustSize = adjustingSize;
        notify(Change::Content);
    }

private:
    std::shared_ptr<Movie> shown;
    bool controllerVisible = true;
    bool adjustSize = true;
};

} // namespace korvida
