#include "cli/interrupt_flag.h"

#include <atomic>

namespace korvida::cli {

namespace {

// Lock-free, so the signal handler may set it.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void raiseInterruptFlag(int)
{
    interrupted.store(true);
}

} // namespace

InterruptFlag::InterruptFlag()
{
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = raiseInterruptFlag;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous);
}

InterruptFlag::~InterruptFlag()
{
    sigaction(SIGINT, &previous, nullptr);
}

bool InterruptFlag::raised() const
{
    return interrupted.load();
}

} // namespace korvida::cli
