#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "desktop_fixture.h"
#include "qt/services/qt_main_thread.h"

using korvida::qt::NestedLoop;

namespace {

// Runs the event loop until the condition holds or five seconds have passed.
template <typename Condition>
bool processEventsUntil(Condition done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace

TEST(QtMainThreadTest, WorkPostedFromAWorkerRunsOnTheMainThreadInOrder)
{
    korvida::qt::QtMainThreadQueue queue;
    std::vector<int> order;
    bool elsewhere = false;
    std::thread worker([&] {
        for (int i = 0; i < 100; ++i) {
            queue.post([&order, &elsewhere, i] {
                elsewhere = elsewhere || QThread::currentThread() != QCoreApplication::instance()->thread();
                order.push_back(i);
            });
        }
    });
    worker.join();
    ASSERT_TRUE(processEventsUntil([&] { return order.size() == 100; }));
    EXPECT_FALSE(elsewhere);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
}

TEST(QtMainThreadTest, TheTickNeverRunsInsideANestedLoopOrInsideItself)
{
    korvida::qt::QtTimers timers;
    korvida::qt::QtTickDelay tickDelay;
    int fired = 0;
    int firedInside = 0;
    bool insideWait = false;
    const auto timer = timers.scheduledTimer(0.005, [&] {
        ++fired;
        if (insideWait)
            ++firedInside;
        // A wait inside the tick lets the loop run; the timer must not come back in.
        tickDelay.delay(1);
    });
    {
        const NestedLoop nested;
        insideWait = true;
        QElapsedTimer spent;
        spent.start();
        while (spent.elapsed() < 60)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        insideWait = false;
    }
    EXPECT_EQ(firedInside, 0);
    EXPECT_TRUE(processEventsUntil([&] { return fired >= 3; }));
}

class FolderChooserTest : public DesktopFixture {};

TEST_F(FolderChooserTest, ASheetOnTheWindowThatStartsWhereAskedAndReportsTheChoice)
{
    desktop->launch();
    MainApp& app = desktop->controller();
    std::vector<std::optional<std::string>> answers;
    auto ask = [&] {
        app.services.folderChooser.chooseFolder(
            *app.mainWindow, {"Save", folder.path().string()},
            [&answers](std::optional<std::string> chosen) { answers.push_back(std::move(chosen)); });
        return widget("mainWindow")->findChild<QFileDialog*>();
    };

    QFileDialog* dialog = ask();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), "Save");
    EXPECT_EQ(dialog->directory().absolutePath().toStdString(), folder.path().string());
    dialog->reject();
    ASSERT_TRUE(processEventsUntil([&] { return answers.size() == 1; }));
    EXPECT_FALSE(answers[0].has_value());

    ASSERT_TRUE(processEventsUntil([&] { return widget("mainWindow")->findChild<QFileDialog*>() == nullptr; }));
    dialog = ask();
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(folder.path().string()));
    static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    ASSERT_TRUE(processEventsUntil([&] { return answers.size() == 2; }));
    EXPECT_EQ(answers[1], folder.path().string());
}
