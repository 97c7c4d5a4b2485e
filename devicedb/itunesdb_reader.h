#pragma once

#include <string>
#include <system_error>

#include "devicedb/byte_view.h"
#include "devicedb/database_read_error.h"
#include "devicedb/scan_progress.h"
#include "library/library.h"

namespace korvida {

// Adds the tracks and playlists of an iTunesDB, read whole into memory, to the library and
// puts the device entry ("Music/Movies", "Music", "Movies" or "Empty") at the head of its
// playlists. Media paths are built under iPodPath. Empty data stands for a missing file. A
// file that announces more tracks or playlist members than its size allows gives
// DatabaseReadError::tooManyItems, with those it could pay for.
std::error_code readITunesDB(ByteView data, const std::string& iPodPath, Library& library,
                             const ScanProgress& progress = {});

} // namespace korvida
