#pragma once

#include <signal.h>

namespace korvida::cli {

// While an object of this class lives, Ctrl-C (SIGINT), SIGTERM and SIGHUP raise a flag
// instead of ending the process, so that a command can stop its work cleanly and remove
// what it had begun. The previous handling comes back when the object goes.
class InterruptFlag {
public:
    InterruptFlag();
    ~InterruptFlag();
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

    bool raised() const { return signalNumber() != 0; }
    // The first signal that came, 0 before any.
    int signalNumber() const;
    // A second signal came while the first was being honoured: the user wants out at once.
    bool raisedAgain() const;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous[3]{};
};

// The exit status of a command stopped by `signalNumber`, as a shell reports one that the
// signal killed: 130 for Ctrl-C, 143 for SIGTERM, 129 for SIGHUP.
constexpr int exitStatusForSignal(int signalNumber)
{
    return 128 + signalNumber;
}

} // namespace korvida::cli
