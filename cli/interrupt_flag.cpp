#include "cli/interrupt_flag.h"

#include <atomic>

namespace korvida::cli {

namespace {

// Lock-free, so the signal handler may change them.
std::atomic<int> firstSignal{0};
std::atomic<int> signalsSeen{0};
static_assert(std::atomic<int>::is_always_lock_free);

void noteSignal(int signalNumber)
{
    int none = 0;
    firstSignal.compare_exchange_strong(none, signalNumber);
    signalsSeen.fetch_add(1);
}

} // namespace

InterruptFlag::InterruptFlag()
{
    firstSignal.store(0);
    signalsSeen.store(0);
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &action, &previous[i]);
}

InterruptFlag::~InterruptFlag()
{
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &previous[i], nullptr);
}

int InterruptFlag::signalNumber() const
{
    return firstSignal.load();
}

bool InterruptFlag::raisedAgain() const
{
    return signalsSeen.load() >= 2;
}

} // namespace korvida::cli
