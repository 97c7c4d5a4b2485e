#include "presentation/still_mouse.h"

#include <cmath>

#include "presentation/full_screen_geometry.h"

namespace korvida {

namespace {

// The recorded position truncated toward zero, as the inside test takes it. A position no
// screen can hold (not a number, or beyond any screen) counts as outside every screen.
bool recordedOnScreen(const Rect& screen, Point recorded)
{
    constexpr float kFarOff = 1.0e9f;
    if (!std::isfinite(recorded.x) || !std::isfinite(recorded.y) || std::fabs(recorded.x) > kFarOff ||
        std::fabs(recorded.y) > kFarOff)
        return false;
    return isInsideRect(screen, static_cast<long>(recorded.x), static_cast<long>(recorded.y));
}

} // namespace

PanelAction panelActionForTick(bool panelsVisible, const Rect& screen, Point recorded, Point current, int& stillTicks)
{
    const bool inside = recordedOnScreen(screen, recorded);
    const bool moved = recorded.x != current.x || recorded.y != current.y;
    if (!panelsVisible && inside)
        return moved ? PanelAction::Show : PanelAction::None;
    if (inside) {
        // Movement only delays the hiding; the count is not reset by it.
        if (moved)
            return PanelAction::None;
        const bool third = stillTicks > 1;
        ++stillTicks;
        return third ? PanelAction::HideWithFade : PanelAction::None;
    }
    return PanelAction::HideAtOnce;
}

} // namespace korvida
