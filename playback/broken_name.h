#pragma once

#include "library/in_media.h"

namespace korvida {

// Marks an item whose file is missing or cannot be played: its name gets the prefix
// "BROKEN !! " once, however often it is tried.
void markBrokenName(InMedia& media);

} // namespace korvida
