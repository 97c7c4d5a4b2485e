#pragma once

#include "platform/geometry.h"

// Where things go in full-screen mode, for the frame of the screen that holds the main window.
// Pure arithmetic in single precision.
namespace korvida {

// Whether the point lies in the rectangle, every edge included.
bool isInsideRect(const Rect& rect, long x, long y);

// The four floating control panels, in screen coordinates: a strip at the bottom, a column on
// each side above it and a strip at the top.
struct ControlPanelFrames {
    Rect bottom;
    Rect left;
    Rect right;
    Rect top;
};

ControlPanelFrames controlPanelFrames(const Rect& screen);

// The rectangle a film or picture is fitted into inside the full-screen window: the space
// between the panels while they show, else the whole screen.
Rect fullScreenMovieArea(const Rect& screen, bool panelsShown);

// The rectangle whose width a tune's picture takes: a third of the screen, or 1/3.5 of it
// while the panels show.
Rect fullScreenPictureArea(const Rect& screen, bool panelsShown);

} // namespace korvida
