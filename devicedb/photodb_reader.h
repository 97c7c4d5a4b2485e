#pragma once

#include <string>
#include <system_error>

#include "devicedb/byte_view.h"
#include "devicedb/database_read_error.h"
#include "devicedb/scan_progress.h"
#include "library/library.h"

namespace korvida {

// Appends the "Photos" entry, the photos and the photo albums of a Photo Database, read
// whole into memory, to the library. Paths are built under iPodPath. Empty data stands
// for a missing file: only the entry is added. A file that announces more photos or album
// members than its size allows gives DatabaseReadError::tooManyItems, with those it could
// pay for.
std::error_code readPhotoDatabase(ByteView data, const std::string& iPodPath, Library& library,
                                  const ScanProgress& progress = {});

} // namespace korvida
