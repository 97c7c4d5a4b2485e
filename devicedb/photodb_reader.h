#pragma once

#include <string>

#include "devicedb/byte_view.h"
#include "devicedb/scan_progress.h"
#include "library/library.h"

namespace korvida {

// Appends the "Photos" entry, the photos and the photo albums of a Photo Database, read
// whole into memory, to the library. Paths are built under iPodPath. Empty data stands
// for a missing file: only the entry is added.
void readPhotoDatabase(ByteView data, const std::string& iPodPath, Library& library, const ScanProgress& progress = {});

} // namespace korvida
