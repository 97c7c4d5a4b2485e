#pragma once

#include <memory>

namespace korvida::qt {

// True while the binder itself changes a widget or a control, so that the change does not
// travel back the other way.
class Echo {
public:
    bool active() const { return depth > 0; }
    auto guard()
    {
        ++depth;
        return std::unique_ptr<Echo, void (*)(Echo*)>(this, [](Echo* echo) { --echo->depth; });
    }

private:
    int depth = 0;
};

}  // namespace korvida::qt
