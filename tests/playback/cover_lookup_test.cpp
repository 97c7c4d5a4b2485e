#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "playback/cover_lookup.h"
#include "support/fake_services.h"

using korvida::CoverRequest;

TEST(CoverLookupTest, OnlyTheNewestLookIsMadeAndAnswered)
{
    DrainableMainThreadQueue mainThread;
    FakeImages images;
    korvida::CoverLookup lookup(mainThread, images);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> asked;
    bool released = false;
    // The first source holds the look at "a" until released, and finds the cover of "c".
    lookup.addSource(
        [&](const CoverRequest& request, const korvida::ByteSource&) -> std::optional<std::vector<std::uint8_t>> {
            std::unique_lock lock(mutex);
            asked.push_back(request.path);
            changed.notify_all();
            changed.wait(lock, [&] { return released || request.path != "a"; });
            if (request.path == "c")
                return std::vector<std::uint8_t>{1};
            return std::nullopt;
        });
    // The second is asked only where the first found nothing.
    lookup.addSource([&](const CoverRequest& request, const korvida::ByteSource&) {
        const std::lock_guard lock(mutex);
        asked.push_back("second " + request.path);
        return std::optional<std::vector<std::uint8_t>>();
    });
    std::vector<std::string> answered;
    const auto answer = [&answered](const std::string& name) {
        return [&answered, name](std::shared_ptr<korvida::Image> cover) {
            answered.push_back(name + (cover ? "+" : "-"));
        };
    };
    const auto look = [&](const std::string& path) {
        CoverRequest request;
        request.path = path;
        request.fileType = "mp3";
        lookup.lookFor(request, std::make_unique<korvida::MemoryByteSource>(std::span<const std::uint8_t>()),
                       answer(path));
    };

    look("a");
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return !asked.empty(); });
    }
    look("b");
    look("c");
    {
        const std::lock_guard lock(mutex);
        released = true;
    }
    changed.notify_all();
    while (mainThread.pending() < 2)
        std::this_thread::yield();
    mainThread.drain();
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "second a", "c"})) << "\"b\" was replaced before it began";
    EXPECT_EQ(answered, (std::vector<std::string>{"c+"})) << "the answer about \"a\" came too late";
}
