#pragma once

#include <QObject>

#include "platform/desktop.h"

namespace korvida::qt {

// Marks the stretches in which the main thread runs a nested event loop on behalf of the
// controller (opening a movie, a blocking wait). The timers skip their firings inside one,
// so the tick never runs inside an operation of the controller.
class NestedLoop {
public:
    NestedLoop();
    ~NestedLoop();
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;

    static bool active();
};

// Work posted from any thread runs on the main thread through Qt's queued calls, in order.
class QtMainThreadQueue : public MainThreadQueue {
public:
    QtMainThreadQueue();
    ~QtMainThreadQueue() override;
    void post(std::function<void()> work) override;

private:
    QObject* receiver;
};

// Waits the given sixtieths of a second while the window keeps drawing (a fade must be
// seen); the user's input waits until it is over.
class QtTickDelay : public TickDelay {
public:
    void delay(int ticks) override;
};

// Repeating timers on the main thread's event loop.
class QtTimers : public Timers {
public:
    std::unique_ptr<Timer> scheduledTimer(double intervalSeconds, std::function<void()> fire) override;
    void runOnNextTurn(std::function<void()> work) override;

    // Runs just before each firing of the timers made after it is set: the desktop's own
    // once-a-tick work (the mounted players) that the controller does not know of.
    std::function<void()> beforeEachFire;

private:
    // Work for the next turn goes with the timers.
    QObject owner;
};

} // namespace korvida::qt
