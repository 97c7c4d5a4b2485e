#pragma once

#include <string>
#include <system_error>

#include "devicedb/byte_view.h"
#include "devicedb/scan_progress.h"
#include "library/library.h"

namespace korvida {

// Gives each tune of the library whose artwork ID names an image record of the artwork
// database (read whole into memory) the largest of that image's thumbnails as its cover.
// The thumbnail files are looked for in iPod_Control/Artwork under iPodPath; only their
// sizes are looked at. Empty data stands for a missing file.
std::error_code readArtworkDB(ByteView data, const std::string& iPodPath, Library& library,
                              const ScanProgress& progress = {});

} // namespace korvida
