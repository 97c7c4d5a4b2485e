#pragma once

#include <vector>

#include "platform/desktop.h"
#include "platform/window.h"

// Blocking fades on the main thread: steps of 0.1 of alpha, each followed by a pause of one
// tick (1/60 s).
namespace korvida {

// 0.0, 0.1, ... 0.9 and 1.0, 0.9, ... about 0.1. Each step is computed in double precision
// and stored in single precision, as the windows take it.
std::vector<float> fadeInSteps();
std::vector<float> fadeOutSteps();

// Gives every window each alpha of `steps` in turn, in the order of `windows`, with a pause of
// one tick after each step. The windows are left at the last step.
void fadeWindows(const std::vector<Window*>& windows, const std::vector<float>& steps, TickDelay& tickDelay);

void setAlphaOfWindows(const std::vector<Window*>& windows, float alpha);

} // namespace korvida
