#pragma once

#include "platform/control.h"
#include "platform/geometry.h"

namespace korvida {

// A rectangle of a window: its frame in the window's coordinates and whether it is hidden.
class View : public Control {
public:
    const Rect& frame() const { return frameRect; }
    void setFrame(const Rect& value)
    {
        frameRect = value;
        notify(Change::Frame);
    }
    void setFrameOrigin(Point origin) { setFrame(Rect{origin, frameRect.size}); }
    void setFrameSize(Size size) { setFrame(Rect{frameRect.origin, size}); }

    bool isHidden() const { return hidden; }
    void setHidden(bool value)
    {
        hidden = value;
        notify(Change::Visibility);
    }

    // Asks for the view to be drawn at once rather than at the next pass of the event loop.
    void display() { notify(Change::Display); }

private:
    Rect frameRect;
    bool hidden = false;
};

} // namespace korvida
