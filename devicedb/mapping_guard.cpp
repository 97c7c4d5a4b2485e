#include "devicedb/mapping_guard.h"

#include <array>
#include <atomic>
#include <csignal>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace korvida {

namespace {

// A guarded range, read by the signal handler without locks. A free slot's start is kFree;
// a guard claims it with kClaimed, sets the size and then the start, so the handler never
// takes a start with another range's size.
constexpr std::uintptr_t kFree = 0;
constexpr std::uintptr_t kClaimed = 1;

struct GuardedRange {
    std::atomic<std::uintptr_t> start{kFree};
    std::atomic<std::size_t> size{0};
    std::atomic<bool> cutShort{false};
};

// A program reads one or two databases at a time; more guarded at once go unguarded.
std::array<GuardedRange, 8> ranges;
struct sigaction previousAction {};
std::uintptr_t pageSize = 4096;

void onBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedRange& range : ranges) {
        const std::uintptr_t start = range.start.load(std::memory_order_acquire);
        if (start <= kClaimed || address < start || address - start >= range.size.load(std::memory_order_relaxed))
            continue;
        void* page = reinterpret_cast<void*>(address & ~(pageSize - 1));
        if (::mmap(page, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
            range.cutShort.store(true, std::memory_order_relaxed);
            return; // the read is made again, and finds zeros
        }
    }
    // Not a guarded page: what would have happened without the guard happens.
    if (previousAction.sa_flags & SA_SIGINFO && previousAction.sa_sigaction) {
        previousAction.sa_sigaction(signal, info, context);
        return;
    }
    ::sigaction(SIGBUS, &previousAction, nullptr);
}

void installHandler()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previousAction);
    });
}

} // namespace

MappingGuard::MappingGuard(const std::uint8_t* bytes, std::size_t size)
{
    installHandler();
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        std::uintptr_t free = kFree;
        if (ranges[i].start.compare_exchange_strong(free, kClaimed, std::memory_order_acq_rel)) {
            ranges[i].cutShort.store(false, std::memory_order_relaxed);
            ranges[i].size.store(size, std::memory_order_relaxed);
            ranges[i].start.store(reinterpret_cast<std::uintptr_t>(bytes), std::memory_order_release);
            slot = static_cast<int>(i);
            return;
        }
    }
}

MappingGuard::MappingGuard(MappingGuard&& other) noexcept : slot(std::exchange(other.slot, kNone))
{}

MappingGuard& MappingGuard::operator=(MappingGuard&& other) noexcept
{
    std::swap(slot, other.slot);
    return *this;
}

MappingGuard::~MappingGuard()
{
    if (slot != kNone)
        ranges[static_cast<std::size_t>(slot)].start.store(kFree, std::memory_order_release);
}

bool MappingGuard::fileWasCutShort() const
{
    return slot != kNone && ranges[static_cast<std::size_t>(slot)].cutShort.load(std::memory_order_relaxed);
}

} // namespace korvida
