#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app_fixture.h"

using Worker = LaunchedApp;

TEST_F(Worker, TheRunningFlagCoversTheWholeRun)
{
    launch();
    std::atomic<bool> release{false};
    std::atomic<bool> sawFlag{false};
    app->startWorker([&] {
        sawFlag = app->workerRunning.load();
        while (!release.load())
            std::this_thread::yield();
    });
    EXPECT_TRUE(app->workerRunning.load());
    release = true;
    app->worker.join();
    EXPECT_TRUE(sawFlag);
    EXPECT_FALSE(app->workerRunning.load());

    // A second run after the first has ended starts normally.
    int runs = 0;
    app->startWorker([&] { ++runs; });
    app->worker.join();
    EXPECT_EQ(runs, 1);
}

TEST_F(Worker, TeardownWaitsForARunningWorker)
{
    MainApp& controller = launch();
    std::atomic<bool> started{false};
    bool finished = false;
    controller.startWorker([&] {
        started = true;
        // Still walking the items when the controller goes away.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        for (const auto& media : controller.mediasVisible)
            media->getIsCopying();
        finished = true;
    });
    while (!started.load())
        std::this_thread::yield();

    app.reset();
    EXPECT_TRUE(finished);
}
