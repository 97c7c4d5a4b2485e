#pragma once

#include "tools/device_writer/device_writer.h"

namespace korvida::devicewriter {

// A thumbnail container record (an mhod of type 2 around its mhni and file name). The
// frame is appended to its file in `files` when given; otherwise its offset is 0.
Bytes thumbnailContainer(const Thumbnail& thumbnail, ThumbnailFiles* files);

} // namespace korvida::devicewriter
