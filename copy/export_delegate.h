#pragma once

#include <atomic>
#include <functional>

namespace korvida {

// What an export needs of the one who asked for it: the shared count of pending copies,
// the track-number preference, and the request to reload the media tables, which must
// reach the main thread without the export waiting for it.
struct ExportDelegate {
    std::atomic<int>& numberOfSaveMedia;
    const std::atomic<int>& saveWithTrackNumber;
    std::function<void()> updateMediaTableView;
};

} // namespace korvida
