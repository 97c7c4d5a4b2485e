#pragma once

#include <QElapsedTimer>
#include <QTest>

// Runs the event loop until `done` holds or ten seconds have passed; answers `done`.
template <typename Done>
bool waitFor(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QTest::qWait(20);
    return done();
}
