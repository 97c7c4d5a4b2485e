#include "qt/services/qt_main_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <cmath>

namespace korvida::qt {

namespace {

int nestedLoopDepth = 0;

constexpr double kSecondsPerTick = 1.0 / 60.0;

class QtTimer : public Timer {
public:
    QtTimer(double intervalSeconds, std::function<void()> fire) : fire(std::move(fire))
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(static_cast<int>(std::lround(intervalSeconds * 1000.0)));
        QObject::connect(&timer, &QTimer::timeout, [this] { fireOnce(); });
        timer.start();
    }

private:
    void fireOnce()
    {
        // A firing inside a nested loop, or inside the previous firing, is skipped: the
        // next one comes soon enough.
        if (firing || NestedLoop::active())
            return;
        firing = true;
        fire();
        firing = false;
    }

    QTimer timer;
    std::function<void()> fire;
    bool firing = false;
};

} // namespace

NestedLoop::NestedLoop()
{
    ++nestedLoopDepth;
}

NestedLoop::~NestedLoop()
{
    --nestedLoopDepth;
}

bool NestedLoop::active()
{
    return nestedLoopDepth > 0;
}

QtMainThreadQueue::QtMainThreadQueue() : receiver(new QObject)
{
    receiver->moveToThread(QCoreApplication::instance()->thread());
}

QtMainThreadQueue::~QtMainThreadQueue()
{
    delete receiver;
}

void QtMainThreadQueue::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(receiver, std::move(work), Qt::QueuedConnection);
}

void QtTickDelay::delay(int ticks)
{
    if (ticks <= 0)
        return;
    const NestedLoop nested;
    QDeadlineTimer deadline(static_cast<qint64>(std::lround(ticks * kSecondsPerTick * 1000.0)), Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, static_cast<int>(deadline.remainingTime()));
        QThread::msleep(1);
    }
}

std::unique_ptr<Timer> QtTimers::scheduledTimer(double intervalSeconds, std::function<void()> fire)
{
    if (beforeEachFire)
        fire = [before = beforeEachFire, fire = std::move(fire)] {
            before();
            fire();
        };
    return std::make_unique<QtTimer>(intervalSeconds, std::move(fire));
}

void QtTimers::runOnNextTurn(std::function<void()> work)
{
    QTimer::singleShot(0, &owner, [work = std::move(work)] {
        if (!NestedLoop::active())
            work();
    });
}

} // namespace korvida::qt
