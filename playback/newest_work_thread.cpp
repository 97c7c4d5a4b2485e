#include "playback/newest_work_thread.h"

namespace korvida {

NewestWorkThread::~NewestWorkThread()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
        waiting.reset();
    }
    wake.notify_one();
    if (worker.joinable())
        worker.join();
}

void NewestWorkThread::run(Work work)
{
    const std::uint64_t number = ++*newest;
    {
        const std::lock_guard lock(mutex);
        waiting = Waiting{std::move(work), number};
        if (!worker.joinable())
            worker = std::thread([this] { loop(); });
    }
    wake.notify_one();
}

void NewestWorkThread::forget()
{
    ++*newest;
    const std::lock_guard lock(mutex);
    waiting.reset();
}

void NewestWorkThread::loop()
{
    for (;;) {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return stopping || waiting; });
        if (stopping)
            return;
        Waiting next = std::move(*waiting);
        waiting.reset();
        lock.unlock();

        std::function<void()> answer = next.work();
        mainThread.post([newest = std::weak_ptr(newest), number = next.number, answer = std::move(answer)] {
            const auto current = newest.lock();
            if (current && *current == number)
                answer();
        });
    }
}

} // namespace korvida
