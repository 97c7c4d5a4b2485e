#pragma once

#include <string>

#include "library/process_state.h"
#include "platform/pasteboard.h"

namespace korvida {

// Stores a dropped path for the next tick; the tick decides whether it is a device.
void storeDrop(ProcessState& state, const std::string& path);

// A drop of a drag on a view: takes the first of the dragged file names. Answers false,
// changing nothing, when the drag offers no file names.
bool acceptFileDrop(ProcessState& state, const Pasteboard& pasteboard);

} // namespace korvida
