#pragma once

#include <string>

#include "library/stored_picture.h"
#include "picture/rgb_image.h"

namespace korvida {

// Reads a picture the player keeps in a thumbnail file from `file` (its thumbnail file as
// the caller resolved it) and decodes it, without the bars around it. Empty when the file
// is not a regular one, no longer holds the frame whole (cut short, unplugged) or its
// bytes fit no layout.
RgbImage loadStoredPicture(const StoredPicture& picture, const std::string& file);

} // namespace korvida
