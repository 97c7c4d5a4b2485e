#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/desktop.h"

class InMedia;
class PlayList;

namespace korvida {

class CopyQueue;

// Everything one import run works with. The run walks `items` in order, moving each
// through the copy queue so that cancelling one item or all of them acts on it as on a copy.
struct ImportRun {
    std::span<const std::unique_ptr<InMedia>> items;
    const std::vector<std::unique_ptr<PlayList>>& importEntries;
    const std::vector<std::unique_ptr<PlayList>>& playLists;
    CopyQueue& queue;
    std::atomic<int>& numberOfSaveMedia;
    const std::atomic<bool>& importStopped;
    ScriptRunner& runner;
    // Hears how each item's import ended, where the runner can tell.
    std::function<void(const InMedia&, CopyOutcome)> itemDone;
    // Asks for the media tables to be reloaded; must not wait for it.
    std::function<void()> updateMediaTableView;
    // Files are read only from inside this folder; empty: no check (items made by hand).
    std::string playerFolder{};
    // Whether the copies of tunes get the player's rating and play count in their tags.
    bool writeStatistics = false;
};

struct ImportQueued {
    int tracks = 0;
    int pictures = 0;
};

// Queues every tagged tune and film when `toMusic`, every tagged picture when `toPhotos`.
ImportQueued queueForImport(const ImportRun& run, bool toMusic, bool toPhotos);

// The music program's part: the playlists script, then one script per queued tune or film,
// then the runner writes what it gathered, also when the rest was cancelled. Answers what
// it could not write.
std::vector<UnwrittenFile> iTunesImport(const ImportRun& run);

// Imports one tune or film with its own script, shown as copying while it runs.
void exportFileToiTunesDelegat(InMedia& item, const ImportRun& run);

// The photo program's part: every queued picture leaves the queue, then one script
// imports them all (none when every picture was cancelled).
void iPhotoImport(const ImportRun& run);

// Steps of a whole run after the queueing: the music part when tracks were queued, the
// photo part when pictures were. Items cancelled while queued are told to `itemDone` as
// cancelled. Answers the files besides the items that could not be written.
std::vector<UnwrittenFile> importQueued(const ImportRun& run, const ImportQueued& queued, bool toMusic, bool toPhotos);

} // namespace korvida
