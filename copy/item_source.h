#pragma once

#include <memory>
#include <optional>
#include <string>

#include "copy/copy_source.h"

class InMedia;

namespace korvida {

// The file a copy of the item reads, as resolvePlayerFile gives it: the item's own, or for
// a photo the player keeps only as thumbnails, the thumbnail file that holds its picture.
std::optional<std::string> resolveItemFile(const InMedia& media, const std::string& playerFolder);

// What a copy of the item reads from `file` (as resolveItemFile gave it): the file itself,
// or for a photo kept as thumbnails its picture encoded as PNG, lossless, which is not
// open when the thumbnail can no longer be read.
std::unique_ptr<CopySource> openItemSource(const InMedia& media, const std::string& file);

} // namespace korvida
