#pragma once

#include <signal.h>

namespace korvida::cli {

// While an object of this class lives, Ctrl-C (SIGINT) raises a flag instead of ending the
// process, so that a command can stop its work cleanly. The previous handling comes back
// when the object goes.
class InterruptFlag {
public:
    InterruptFlag();
    ~InterruptFlag();
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

    bool raised() const;

private:
    struct sigaction previous {};
};

} // namespace korvida::cli
