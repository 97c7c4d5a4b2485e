#include "app/window_fade.h"

namespace korvida {

// Each step is computed in double precision and stored in single precision, so the float
// steps end at 0.9 and 0.1 rather than drifting past the end.
void fadeIn(Window& window, TickDelay& tickDelay)
{
    for (float alpha = 0.0f; alpha < 1.0f; alpha = static_cast<float>(static_cast<double>(alpha) + 0.1)) {
        window.setAlphaValue(alpha);
        tickDelay.delay(1);
    }
    window.setAlphaValue(1.0f);
}

void fadeOut(Window& window, TickDelay& tickDelay)
{
    for (float alpha = 1.0f; alpha > 0.0f; alpha = static_cast<float>(static_cast<double>(alpha) - 0.1)) {
        window.setAlphaValue(alpha);
        tickDelay.delay(1);
    }
    window.setAlphaValue(0.0f);
}

} // namespace korvida
