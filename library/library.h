#pragma once

#include <memory>
#include <vector>

#include "library/in_media.h"
#include "library/play_list.h"

// What a device read produces: every item in reading order (tracks, then photos) and the
// playlist column in order (the device entry first, then the device's playlists, the
// "Photos" entry and the photo albums). The vectors own their records.
struct Library {
    std::vector<std::unique_ptr<InMedia>> mediasVisible;
    std::vector<std::unique_ptr<PlayList>> playLists;
};
