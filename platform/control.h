#pragma once

#include <functional>

namespace korvida {

// What changed in a control, so that an observer can update only that part of its widget.
enum class Change {
    Content, // image, text, value, state, title, movie, colours
    Frame,
    Visibility, // hidden or shown, ordered front or out
    Enabled,
    Selection,
    Reload, // a table's rows must be asked for again
    Scroll,
    Display, // redraw now
    Alpha,
};

// The base of every control of the toolkit model. A control holds its own state and tells
// one observer (the desktop binding) about every change; with no observer it simply holds
// the state, which is how tests and the command line use it.
class Control {
public:
    using Observer = std::function<void(Change)>;

    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    void setObserver(Observer value) { observer = std::move(value); }

protected:
    void notify(Change change) const
    {
        if (observer)
            observer(change);
    }

private:
    Observer observer;
};

} // namespace korvida
