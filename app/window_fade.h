#pragma once

#include "platform/desktop.h"
#include "platform/window.h"

namespace korvida {

// Blocking fades on the main thread: ten steps of 0.1 of alpha, each followed by a pause of
// one tick (1/60 s), ending exactly at fully opaque or fully transparent.
void fadeIn(Window& window, TickDelay& tickDelay);
void fadeOut(Window& window, TickDelay& tickDelay);

} // namespace korvida
