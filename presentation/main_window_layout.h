#pragma once

#include <optional>

#include "platform/geometry.h"

// Where the media area of the main window and its controls go for a window size. Pure
// arithmetic; the controller applies the result to its views.
namespace korvida {

// The transport row under the media area, all at y = 0, in the order of the window.
struct TransportRow {
    Point back;
    Point fastBack;
    Point play;
    Point fastForward;
    Point next;
};

struct MediaAreaLayout {
    float dragX = 0.0f;
    float dragY = 0.0f;
    // The space right of and above the picture view's corner.
    Rect area;
    // The horizontal centre of the area, truncated to a whole point.
    float centre = 0.0f;
    // The movie view's frame, fitted and centred; none without a movie.
    std::optional<Rect> movieFrame;
    TransportRow transport;
};

// `pictureOrigin` is the picture view's frame origin, `window` the main window's size,
// `movieNatural` the loaded movie's natural size (none without a movie) and `playWidth` the
// width of the play button.
MediaAreaLayout layoutMediaArea(Point pictureOrigin, Size window, std::optional<Size> movieNatural, float playWidth);

// The frames of the media-area controls that follow the window's edges as it stretches: the
// picture view fills the area, the time row and the window buttons keep to the edges.
struct StretchedFrames {
    Rect picture;
    Rect timePlayd;
    Rect timeSlider;
    Rect timeLeft;
    Rect windowButton;
    Rect fullScreenButton;
};

// The browser side's width when none has been chosen, and the narrowest media area, which
// keeps the transport row clear of the window buttons and the time row.
inline constexpr float kDefaultBrowserWidth = 700.0f;
inline constexpr float kMinimumMediaWidth = 560.0f;

// `browserWidth` is the width of the browser side, left of the media area.
StretchedFrames stretchMediaArea(Size window, float browserWidth);

} // namespace korvida
