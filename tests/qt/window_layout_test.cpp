#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTimer>

#include <filesystem>

#include "desktop_fixture.h"
#include "qt/services/folder_chooser_dialog.h"
#include "tools/demo_device.h"
#include "wait_for.h"

namespace {

class WindowLayoutTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    void resizeWindow(int width, int height)
    {
        widget("mainWindow")->resize(width, height);
        QApplication::processEvents();
    }

    // Drags the splitter's handle sideways by `dx` with the left button, as a person does.
    void dragSplitter(int dx)
    {
        QSplitterHandle* handle = widget<QSplitter>("browserSplit")->handle(1);
        const QPoint from = handle->rect().center();
        const QPoint to = from + QPoint(dx, 0);
        auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
        QApplication::processEvents();
    }

    QRect geometryOf(const char* outlet) { return widget(outlet)->geometry(); }
};

} // namespace

TEST_F(WindowLayoutTest, SplitterMovesTheMediaAreaAndIsKeptInTheSettings)
{
    desktop->launch();
    widget("mainWindow")->show();
    resizeWindow(1280, 800);
    // Name, Artist, Album and Genre all show in the media table.
    auto* media = widget<QTableView>("mediaTableView");
    const int genreLeft = media->horizontalHeader()->sectionViewportPosition(4);
    EXPECT_GE(genreLeft, 0);
    EXPECT_LE(genreLeft + 40, media->viewport()->width()) << "the Genre column is cut off";

    const float before = app().shownBrowserWidth;
    dragSplitter(-120);
    const float after = app().shownBrowserWidth;
    EXPECT_LT(after, before - 60.0f);
    // The media area follows the splitter: the picture starts right of the browser side and
    // the transport row is centred in the wider area.
    EXPECT_EQ(app().inImageView->frame().origin.x, after + 10.0f);
    EXPECT_EQ(app().dragX, after + 19.0f);
    EXPECT_GT(geometryOf("back").left(), geometryOf("browserSplit").left() + static_cast<int>(after));

    restart();
    desktop->launch();
    EXPECT_EQ(app().browserWidth, after) << "the splitter's place is kept for the next launch";
}

// The media table's columns fill its width exactly, the name column the widest of the
// text columns, with no horizontal scroll bar.
void expectColumnsShareTheWidth(QTableView* media, const char* where)
{
    QHeaderView* header = media->horizontalHeader();
    int total = 0;
    for (int section = 0; section < header->count(); ++section)
        total += header->sectionSize(section);
    EXPECT_EQ(total, media->viewport()->width()) << where;
    EXPECT_FALSE(media->horizontalScrollBar()->isVisible()) << where;
    for (int section = 2; section < header->count(); ++section)
        EXPECT_GE(header->sectionSize(1), header->sectionSize(section)) << where;
}

TEST_F(WindowLayoutTest, TheMediaColumnsShareTheTablesWidthAtEverySplitterPlace)
{
    desktop->launch();
    widget("mainWindow")->show();
    QApplication::processEvents();
    auto* media = widget<QTableView>("mediaTableView");
    expectColumnsShareTheWidth(media, "at the default size");
    dragSplitter(200);
    expectColumnsShareTheWidth(media, "with the browser widened");
    dragSplitter(-400);
    expectColumnsShareTheWidth(media, "with the browser narrowed");
    resizeWindow(1, 1);
    expectColumnsShareTheWidth(media, "at the smallest window");
}

TEST_F(WindowLayoutTest, AtTheSmallestWindowTheDemoPlayersPlaylistNamesShowWhole)
{
    desktop->launch();
    widget("mainWindow")->show();
    const auto root = folder.path() / "DEMO";
    ASSERT_TRUE(korvida::devicewriter::writeDevice(root, korvida::demo::demoDevice().device));
    desktop->openFolder(QString::fromStdString(root.string()));
    app().doChecks();
    resizeWindow(1, 1);
    auto* playLists = widget<QTableView>("playListsTableView");
    const QFontMetrics metrics(playLists->font());
    ASSERT_GE(playLists->model()->rowCount(), 5);
    for (int row = 0; row < playLists->model()->rowCount(); ++row) {
        const QString name = playLists->model()->index(row, 0).data().toString();
        EXPECT_LE(metrics.horizontalAdvance(name) + 8, playLists->visualRect(playLists->model()->index(row, 0)).width())
            << name.toStdString() << " is cut";
    }
}

TEST_F(WindowLayoutTest, AtTheSmallestWindowNothingOverlaps)
{
    desktop->launch();
    widget("mainWindow")->show();
    resizeWindow(1, 1);
    const int browserRight = widget<QSplitter>("browserSplit")->handle(1)->geometry().right();
    for (const char* outlet : {"inImageView", "back", "timePlayd"})
        EXPECT_GT(geometryOf(outlet).left(), browserRight) << outlet << " reaches into the browser";
    const QRect transport = geometryOf("back").united(geometryOf("next"));
    EXPECT_FALSE(transport.intersects(geometryOf("fullScreenB"))) << "transport over the window buttons";
    EXPECT_FALSE(transport.intersects(geometryOf("timeSlider")));
    EXPECT_FALSE(geometryOf("timeSlider").intersects(geometryOf("timeLeft")));
    EXPECT_FALSE(geometryOf("timePlayd").intersects(geometryOf("timeSlider")));
}

TEST_F(WindowLayoutTest, CopyRunEndsWithItsSummaryAndTheCopyRowInPlace)
{
    desktop->launch();
    widget("mainWindow")->show();
    resizeWindow(1280, 800);
    desktop->openFolder(writePlayerWithMedia("NANO"));
    app().doChecks();
    ASSERT_EQ(app().mediasVisible.size(), 2u);
    for (const auto& item : app().mediasVisible)
        item->setTaged(true);
    const QRect copyPlace = geometryOf("copy");

    const auto chosen = folder.path() / "chosen";
    std::filesystem::create_directory(chosen);
    qobject_cast<QAbstractButton*>(widget("copy"))->click();
    auto* dialog = widget("mainWindow")->findChild<korvida::qt::FolderChooserDialog*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->goTo(QString::fromStdString(chosen.string())));
    dialog->accept();
    ASSERT_TRUE(waitFor([&] {
        app().doChecks();
        return !app().workerRunning && app().copy->isEnabled();
    }));
    app().doChecks();
    QApplication::processEvents();

    EXPECT_TRUE(widget("copyingProgressIndicator")->isHidden());
    EXPECT_EQ(geometryOf("copy"), copyPlace) << "the Copy button is back in its place";
    EXPECT_TRUE(widget("copyingTextField")->isVisible());
    EXPECT_EQ(app().copyingTextField->stringValue(), "2 copied, 0 skipped, 0 missing, 0 failed");

    // Nothing is queued or copying any more: quitting does not ask.
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();
    });
    widget("mainWindow")->close();
    EXPECT_TRUE(desktop->hasTerminated());
}

TEST_F(WindowLayoutTest, SelectedItemsControlsShowWhileItWaitsOrCopiesAndCancelAllKeepsItsPlace)
{
    desktop->launch();
    widget("mainWindow")->show();
    resizeWindow(1280, 800);
    desktop->openFolder(writePlayerWithMedia("NANO"));
    app().doChecks();
    ASSERT_EQ(app().medias.size(), 2u);
    InMedia& first = *app().medias[0];
    InMedia& second = *app().medias[1];
    const auto tick = [this] {
        app().doChecks();
        QApplication::processEvents();
    };

    // The row was selected before its item was queued, and nothing has been played.
    app().mediaTableView->selectRow(0, false);
    first.setShouldStartCopy(true);
    second.setShouldStartCopy(true);
    app().state.numberOfSaveMedia = 2;
    tick();
    EXPECT_TRUE(widget("copyingProgressIndicator")->isVisible());
    EXPECT_TRUE(widget("canselCopying")->isVisible());
    ASSERT_TRUE(widget("canselAllCopying")->isVisible());
    const QRect cancelAllPlace = geometryOf("canselAllCopying");

    first.setShouldStartCopy(false);
    first.setIsCopying(true);
    first.setFileSizeInBytes(100000);
    first.setPosisjonInBytes(49152);
    tick();
    EXPECT_TRUE(widget("copyingProgressIndicator")->isVisible());
    EXPECT_EQ(app().copyingProgressIndicator->maxValue(), 10000);
    EXPECT_EQ(app().copyingProgressIndicator->doubleValue(), 4915);

    // The copy ends: the item's own controls go, the button that cancels the rest stays put.
    first.setIsCopying(false);
    app().state.numberOfSaveMedia = 1;
    tick();
    EXPECT_TRUE(widget("copyingProgressIndicator")->isHidden());
    EXPECT_TRUE(widget("canselCopying")->isHidden());
    EXPECT_TRUE(widget("canselAllCopying")->isVisible());
    EXPECT_EQ(geometryOf("canselAllCopying"), cancelAllPlace);

    second.setShouldStartCopy(false);
    app().state.numberOfSaveMedia = 0;
    tick();
}
