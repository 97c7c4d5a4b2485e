#pragma once

#include <atomic>
#include <string>

#include "copy/copy_outcome.h"
#include "copy/copy_source.h"

class InMedia;

namespace korvida {

// The chunked copy of one item's file. The item carries the copy's state for the window:
// copying or not, the size and the position, and the cancel request read before every
// chunk. Each call lowers `numberOfSaveMedia` once, whatever its outcome; a copy that is
// not whole leaves nothing under `destination`.
bool copyPath(InMedia& media, const std::string& source, const std::string& destination,
              std::atomic<int>& numberOfSaveMedia);
CopyOutcome copyFrom(InMedia& media, CopySource& source, const std::string& destination,
                     std::atomic<int>& numberOfSaveMedia);

} // namespace korvida
