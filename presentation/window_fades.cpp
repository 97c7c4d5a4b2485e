#include "presentation/window_fades.h"

namespace korvida {

std::vector<float> fadeInSteps()
{
    std::vector<float> steps;
    for (float alpha = 0.0f; alpha < 1.0f; alpha = static_cast<float>(static_cast<double>(alpha) + 0.1))
        steps.push_back(alpha);
    return steps;
}

std::vector<float> fadeOutSteps()
{
    std::vector<float> steps;
    for (float alpha = 1.0f; alpha > 0.0f; alpha = static_cast<float>(static_cast<double>(alpha) - 0.1))
        steps.push_back(alpha);
    return steps;
}

void fadeWindows(const std::vector<Window*>& windows, const std::vector<float>& steps, TickDelay& tickDelay)
{
    for (const float alpha : steps) {
        setAlphaOfWindows(windows, alpha);
        tickDelay.delay(1);
    }
}

void setAlphaOfWindows(const std::vector<Window*>& windows, float alpha)
{
    for (Window* window : windows)
        window->setAlphaValue(alpha);
}

} // namespace korvida
