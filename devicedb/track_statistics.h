#pragma once

#include <cstddef>

#include "devicedb/byte_view.h"
#include "library/tune_statistics.h"

namespace korvida {

// The statistics of the track record (track header) that begins at `p`: rating, play and
// skip counts, last played and date added. A field is read only where the record's own
// header length and the data both hold it; older, shorter headers leave it unset.
TuneStatistics readTrackStatistics(ByteView data, std::size_t p);

} // namespace korvida
