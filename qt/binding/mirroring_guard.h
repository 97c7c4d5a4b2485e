#pragma once

#include <memory>

namespace korvida::qt {

// Guards one binding against its own echo: it is held while the binding passes a change
// between a control and its widget (a control's new selection shown in the widget, a user's
// edit set on the control), so that the change does not travel back the other way.
class MirroringGuard {
public:
    bool mirroring() const { return depth > 0; }
    auto hold()
    {
        ++depth;
        return std::unique_ptr<MirroringGuard, void (*)(MirroringGuard*)>(
            this, [](MirroringGuard* guard) { --guard->depth; });
    }

private:
    int depth = 0;
};

} // namespace korvida::qt
