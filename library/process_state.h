#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "library/play_list.h"

// The values the whole program shares, created with the controller so that every test
// starts from fresh state.
struct ProcessState {
    // The folder last dropped and whether a drop waits for the next tick.
    std::string iPodPath;
    bool iPodDropped = false;

    // Copies queued or running; the workers and the main thread both change it.
    std::atomic<int> numberOfSaveMedia{0};

    // The three preferences. The workers read them, so they are atomics too.
    std::atomic<int> fadeWindows{0};
    std::atomic<int> saveWithTrackNumber{0};
    std::atomic<int> whereToImport{0};
    // 1 = imported tunes get the player's rating and play count written into their tags.
    std::atomic<int> writeStatistics{0};

    std::vector<std::unique_ptr<PlayList>> playLists;
    std::vector<std::unique_ptr<PlayList>> iTunesImportPlaylists;
};
