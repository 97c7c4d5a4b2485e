#pragma once

#include <future>
#include <string>

#include "devicedb/device_reader.h"

namespace korvida {

// The tunes of a player and the databases that could not be read whole.
struct TunesRead {
    Library library;
    DatabaseProblems problems;
};

// Reads a player's tunes on a thread of their own, so that a player named at start is read
// while the window is still being built rather than after it. The read is the one opening
// the player does; it is used once, and only for the folder it was started for.
class ReadAhead {
public:
    void start(const std::string& iPodPath);

    // The tunes of the folder: the read started ahead for it, waited for, or one done now.
    // A read started for another folder is given up (its items are freed once it ends).
    TunesRead read(const std::string& iPodPath);

private:
    std::string folder;
    // A future of std::async waits for its thread when it goes, so no read outlives this.
    std::future<TunesRead> pending;
};

} // namespace korvida
