// The window as a person uses it: keys that move through the lists and tag, the states the
// controls show, and folders that are not players.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "browser_window.h"
#include "qt/main_window.h"

namespace {

class WindowKeysTest : public BrowserWindowTest {
protected:
    WindowKeysTest()
    {
        QWidget* window = desktop->interface().mainWindow;
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // A key pressed in the widget that has the focus, or in the given one.
    static void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    QString tagged() const { return widget<QLabel>("mediaTaged")->text(); }
};

TEST_F(WindowKeysTest, MovingThroughAColumnOrThePlaylistsByKeysActsAsAClick)
{
    QTableView* genres = table("genereTableView");
    QTableView* artists = table("artistTableView");
    genres->setFocus();
    press(genres, Qt::Key_Down); // Ambient
    EXPECT_EQ(selectedRow(genres), 1);
    EXPECT_EQ(artists->model()->rowCount(), 2) << "the artist column follows the keyboard";
    press(genres, Qt::Key_End); // Folk, the last row
    EXPECT_EQ(selectedRow(genres), 2);
    EXPECT_EQ(artists->model()->rowCount(), 3);
    EXPECT_EQ(selectedRow(table("genereTableViewFullScreen")), 2);
    press(genres, Qt::Key_Home);
    EXPECT_EQ(selectedRow(genres), 0);
    EXPECT_EQ(table("mediaTableView")->model()->rowCount(), 4);

    QTableView* playLists = table("playListsTableView");
    playLists->setFocus();
    press(playLists, Qt::Key_End);
    ASSERT_EQ(selectedRow(playLists), playLists->model()->rowCount() - 1);
    EXPECT_EQ(cell(table("mediaTableView"), 0, 1), "Ice Road") << "the playlist's members are shown";
}

TEST_F(WindowKeysTest, KeysSelectTagUntagAndSearch)
{
    QTableView* medias = table("mediaTableView");
    medias->setFocus();
    press(medias, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(app().mediaTableView->numberOfSelectedRows(), 4);
    EXPECT_EQ(medias->selectionModel()->selectedRows().size(), 4);
    press(medias, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(tagged(), "4 tunes      TagGed");
    press(medias, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tagged(), "");

    auto* search = widget<QLineEdit>("searchField");
    press(medias, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(search->hasFocus());
    QTest::keyClicks(search, "low");
    EXPECT_EQ(medias->model()->rowCount(), 1);
    press(search, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(search->selectedText(), "low") << "in the field Ctrl+A selects its text";
    QAction* clear = search->actions().value(0);
    ASSERT_NE(clear, nullptr);
    EXPECT_TRUE(clear->isVisible());
    press(search, Qt::Key_Escape);
    EXPECT_EQ(search->text(), "");
    EXPECT_EQ(medias->model()->rowCount(), 4);
    EXPECT_FALSE(clear->isVisible()) << "the clear button follows text the program sets";

    QTest::keyClicks(search, "low");
    clear->trigger();
    EXPECT_EQ(search->text(), "");
    EXPECT_EQ(medias->model()->rowCount(), 4) << "clearing is an edit: the search follows it";
    EXPECT_FALSE(clear->isVisible());
}

TEST_F(WindowKeysTest, TheControlsShowTheirState)
{
    auto* music = widget<QAbstractButton>("musicFilterButton");
    music->click();
    EXPECT_TRUE(music->isChecked());
    EXPECT_FALSE(widget<QAbstractButton>("allFilterButton")->isChecked());
    music->click();
    EXPECT_TRUE(music->isChecked()) << "a second click leaves it pressed";

    QTableView* medias = table("mediaTableView");
    QHeaderView* header = medias->horizontalHeader();
    EXPECT_FALSE(header->isSortIndicatorShown());
    const int name = 1;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(name) + 5, header->height() / 2));
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), name);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    clickRow(table("genereTableView"), 1);
    EXPECT_FALSE(header->isSortIndicatorShown()) << "a new list is in its own order";

    ASSERT_TRUE(medias->model()->setData(medias->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_EQ(tagged(), "1 tunes      TagGed") << "the line follows a tick at once";

    EXPECT_EQ(widget<QAbstractButton>("fullScreenB")->toolTip(), "Full screen");
    EXPECT_FALSE(widget<QAbstractButton>("playButtonControllPanel")->toolTip().isEmpty());
    EXPECT_TRUE(widget<QAbstractButton>("tagButton")->toolTip().contains("Ctrl+T"));
}

// Whether the window, as last painted, shows the button as the button now paints itself
// (its rounded corners, which show the window behind, aside).
bool paintedAsItIs(QWidget* window, QAbstractButton* button)
{
    const QImage screen =
        window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage own = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint origin = button->mapTo(window, QPoint(0, 0));
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x)
            if (qAlpha(own.pixel(x, y)) == 255 && screen.pixel(origin.x() + x, origin.y() + y) != own.pixel(x, y))
                return false;
    return true;
}

TEST_F(WindowKeysTest, OnlyTheTypeFilterInForceLooksPressed)
{
    QWidget* window = desktop->interface().mainWindow;
    const char* filters[] = {"allFilterButton", "musicFilterButton", "movieFilterButton", "pictureFilterButton"};
    const auto showsOnly = [&](const char* chosen) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        for (const char* outlet : filters) {
            auto* button = widget<QAbstractButton>(outlet);
            EXPECT_EQ(button->isChecked(), std::string(outlet) == chosen) << outlet << " after " << chosen;
            EXPECT_TRUE(paintedAsItIs(window, button)) << outlet << " is shown as it was, after " << chosen;
        }
    };
    showsOnly("allFilterButton"); // the player was read
    for (const char* chosen :
         {"musicFilterButton", "movieFilterButton", "pictureFilterButton", "pictureFilterButton", "allFilterButton"}) {
        auto* button = widget<QAbstractButton>(chosen);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        showsOnly(chosen);
    }
}

TEST_F(WindowKeysTest, FoldersThatAreNotPlayersAreToldAboutInOneReadableBoxAndNothingChanges)
{
    std::filesystem::create_directories(folder.path() / "Holiday");
    const auto boxes = [] {
        int shown = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            shown += qobject_cast<QMessageBox*>(top) != nullptr && top->isVisible() ? 1 : 0;
        return shown;
    };
    // Each call returns at once: no box runs an event loop inside another.
    desktop->openFolder(QString::fromStdString((folder.path() / "Holiday").string()));
    for (int i = 0; i < 500; ++i)
        desktop->openFolder("/nonexistent" + std::to_string(i));
    QMessageBox* box = desktop->notPlayerNotice().shown();
    ASSERT_NE(box, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(boxes(), 1);
    EXPECT_EQ(box->text(), "Not a player");
    EXPECT_TRUE(
        box->informativeText().startsWith("\u201CHoliday\u201D cannot be opened: no iPod_Control/Device/SysInfo."));
    EXPECT_TRUE(box->informativeText().endsWith("500 more folders cannot be opened either."));
    EXPECT_GE(box->width(), 400) << "the sentence is not wrapped word by word";
    EXPECT_FALSE(app().state.iPodDropped);
    app().doChecks();
    EXPECT_EQ(table("mediaTableView")->model()->rowCount(), 4);

    box->accept();
    QApplication::processEvents();
    desktop->openFolder(std::string("/nonexistent"));
    ASSERT_NE(desktop->notPlayerNotice().shown(), nullptr);
    EXPECT_FALSE(desktop->notPlayerNotice().shown()->informativeText().contains("more"))
        << "a box opened later counts afresh";
    desktop->notPlayerNotice().shown()->accept();
}

} // namespace
