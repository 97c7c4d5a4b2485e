#include "app/window_fade.h"

#include "presentation/window_fades.h"

namespace korvida {

void fadeIn(Window& window, TickDelay& tickDelay)
{
    fadeWindows({&window}, fadeInSteps(), tickDelay);
    window.setAlphaValue(1.0f);
}

void fadeOut(Window& window, TickDelay& tickDelay)
{
    fadeWindows({&window}, fadeOutSteps(), tickDelay);
    window.setAlphaValue(0.0f);
}

} // namespace korvida
