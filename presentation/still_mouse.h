#pragma once

#include "platform/geometry.h"

// When the full-screen control panels come and go. The tick looks at the mouse once a second
// and compares it with where it was at the tick before.
namespace korvida {

enum class PanelAction {
    None,
    Show,
    // The mouse has stood still for three ticks since the panels were shown.
    HideWithFade,
    // The mouse is on another screen: the panels go at once and the cursor stays usable there.
    HideAtOnce,
};

// One tick's decision. `recorded` is the mouse position noted at the previous tick (or on
// entering full screen, or on hiding the panels), `current` where it is now, `screen` the frame
// of the screen that holds the main window. `stillTicks` counts the ticks without movement
// since the panels were shown; it is advanced here and reset by the caller when they show.
PanelAction panelActionForTick(bool panelsVisible, const Rect& screen, Point recorded, Point current, int& stillTicks);

} // namespace korvida
