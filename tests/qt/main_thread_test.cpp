#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "desktop_fixture.h"
#include "qt/services/folder_chooser_dialog.h"
#include "qt/services/qt_main_thread.h"

using korvida::qt::FolderChooserDialog;
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

TEST_F(FolderChooserTest, ReturnMovesAboutTheDiskAsItIsAndOnlyTheButtonChooses)
{
    desktop->launch();
    MainApp& app = desktop->controller();
    const auto inner = folder.path() / "outer" / "inner";
    std::filesystem::create_directories(inner);
    std::vector<std::optional<std::string>> answers;
    auto ask = [&](const std::filesystem::path& start) {
        app.services.folderChooser.chooseFolder(
            *app.mainWindow, {"Copy Here", start.string()},
            [&answers](std::optional<std::string> chosen) { answers.push_back(std::move(chosen)); });
        return widget("mainWindow")->findChild<FolderChooserDialog*>();
    };

    FolderChooserDialog* dialog = ask(inner);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    QPushButton* accept = nullptr;
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->text() == "Copy Here")
            accept = button;
    ASSERT_NE(accept, nullptr) << "the button says what happens";
    EXPECT_EQ(dialog->folder().toStdString(), inner.string());

    // A parent typed into the field and Return: the dialog goes there and stays open.
    auto* path = dialog->findChild<QLineEdit*>();
    path->setFocus();
    path->setText(QString::fromStdString((folder.path() / "outer").string()));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(dialog->folder().toStdString(), (folder.path() / "outer").string());

    // A folder made by another program meanwhile shows and can be entered.
    std::filesystem::create_directory(folder.path() / "outer" / "made later");
    auto* list = dialog->findChild<QListWidget*>();
    ASSERT_TRUE(processEventsUntil([&] { return !list->findItems("made later", Qt::MatchExactly).isEmpty(); }));
    list->setCurrentItem(list->findItems("made later", Qt::MatchExactly).first());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(dialog->folder().toStdString(), (folder.path() / "outer" / "made later").string());

    accept->click();
    ASSERT_TRUE(processEventsUntil([&] { return answers.size() == 1; }));
    EXPECT_EQ(answers[0], (folder.path() / "outer" / "made later").string());

    ASSERT_TRUE(processEventsUntil([&] { return widget("mainWindow")->findChild<FolderChooserDialog*>() == nullptr; }));
    dialog = ask(inner);
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    ASSERT_TRUE(processEventsUntil([&] { return answers.size() == 2; }));
    EXPECT_FALSE(answers[1].has_value());
}
