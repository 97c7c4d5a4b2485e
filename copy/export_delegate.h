#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "copy/destination_file_system.h"

namespace korvida {

// What an export needs of the one who asked for it: the shared count of pending copies,
// the track-number preference, and the request to reload the media tables, which must
// reach the main thread without the export waiting for it. Files are read only from
// inside `playerFolder` (a link on the player that leads out of it counts as missing;
// left empty, no such check is made), and folders are made through `fileSystem`.
struct ExportDelegate {
    std::atomic<int>& numberOfSaveMedia;
    const std::atomic<int>& saveWithTrackNumber;
    std::function<void()> updateMediaTableView;
    std::string playerFolder{};
    DestinationFileSystem* fileSystem = &localFileSystem();
};

} // namespace korvida
