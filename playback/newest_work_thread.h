#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/desktop.h"

namespace korvida {

// Runs slow work for the window on a thread of its own, so that a large, slow or hostile
// file never holds up the window, playback or the media keys. Only the newest work counts:
// work not yet begun when newer work comes is never run, and the answer of work that newer
// work (or `forget`) has replaced is dropped. Answers run through the main-thread queue.
class NewestWorkThread {
public:
    // Runs on the work thread; gives what then runs on the main thread.
    using Work = std::function<std::function<void()>()>;

    explicit NewestWorkThread(MainThreadQueue& mainThread) : mainThread(mainThread) {}
    // Waits for the work under way to end; no answer runs afterwards.
    ~NewestWorkThread();
    NewestWorkThread(const NewestWorkThread&) = delete;
    NewestWorkThread& operator=(const NewestWorkThread&) = delete;

    // On the main thread.
    void run(Work work);
    // Drops the answer of the work under way, and work not yet begun.
    void forget();

private:
    struct Waiting {
        Work work;
        std::uint64_t number = 0;
    };

    void loop();

    MainThreadQueue& mainThread;
    // The number of the newest work, read by the answers on the main thread; the answers
    // hold it weakly, so that none runs once this thread is gone.
    std::shared_ptr<std::uint64_t> newest = std::make_shared<std::uint64_t>(0);
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Waiting> waiting;
    bool stopping = false;
    std::thread worker;
};

} // namespace korvida
