#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>

#include "app/outlets.h"
#include "desktop_fixture.h"
#include "qt/coordinates.h"
#include "qt/main_window.h"
#include "qt/widgets/flipped_container.h"

using korvida::Control;
using korvida::makeRect;

namespace {

// The header title a Qt table shows for one of its columns.
QString headerOf(QTableView* table, const korvida::TableColumn* column, const korvida::TableView& model)
{
    const auto& columns = model.tableColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].get() == column)
            return table->model()->headerData(static_cast<int>(i), Qt::Horizontal).toString();
    }
    return QStringLiteral("(not a column of this table)");
}

class WindowTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }
};

} // namespace

TEST_F(WindowTest, EveryOutletIsAWidgetBoundToItsControl)
{
    int outlets = 0;
    forEachOutlet(app(), [&](const char* outlet, const Control& control) {
        ++outlets;
        QWidget* found = widget(outlet);
        ASSERT_NE(found, nullptr) << outlet;
        EXPECT_EQ(desktop->binding().widgetOf(control), found) << outlet;
        EXPECT_EQ(outletName(app(), control), outlet) << "named twice";
    });
    EXPECT_GT(outlets, 0);
    // The columns are those of their tables and show their titles.
    EXPECT_EQ(headerOf(widget<QTableView>("artistTableView"), app().artistColumn, *app().artistTableView), "Artist");
    EXPECT_EQ(headerOf(widget<QTableView>("albumTableView"), app().albumColumn, *app().albumTableView), "Album");
    EXPECT_EQ(headerOf(widget<QTableView>("mediaTableView"), app().artistColumnMedia, *app().mediaTableView), "Artist");
    EXPECT_EQ(headerOf(widget<QTableView>("mediaTableView"), app().albumColumnMedia, *app().mediaTableView), "Album");
    EXPECT_EQ(headerOf(widget<QTableView>("artistTableViewFullScreen"), app().artistColumnControllPanelFullScreen,
                       *app().artistTableViewFullScreen),
              "Artist");
    EXPECT_EQ(headerOf(widget<QTableView>("albumTableViewFullScreen"), app().albumColumnControllPanelFullScreen,
                       *app().albumTableViewFullScreen),
              "Album");
}

TEST_F(WindowTest, LaunchShowsTheBlackWindowWithItsPictures)
{
    desktop->launch();
    auto* window = widget<QMainWindow>("mainWindow");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(widget("copyingProgressIndicator")->isHidden());
    EXPECT_TRUE(widget("canselCopying")->isHidden());
    EXPECT_TRUE(widget("canselAllCopying")->isHidden());
    EXPECT_TRUE(widget("copyingTextField")->isHidden());
    EXPECT_TRUE(widget("mainMovieView")->isHidden());
    // Picture buttons take the sizes the controller gives them.
    EXPECT_EQ(widget("play")->size(), QSize(60, 60));
    EXPECT_EQ(widget("playButtonControllPanel")->size(), QSize(70, 70));
    EXPECT_TRUE(app().inImage != nullptr);
}

TEST_F(WindowTest, ControlsReachTheirWidgetsAndUserActionsReachTheControls)
{
    app().corentlyPlaing->setStringValue("Nano");
    EXPECT_EQ(widget<QLabel>("corentlyPlaing")->text(), "Nano");
    app().mainWindow->setTitle("Nano");
    EXPECT_EQ(widget("mainWindow")->windowTitle(), "Nano");
    app().copy->setEnabled(false);
    EXPECT_FALSE(widget("copy")->isEnabled());

    QTest::keyClicks(widget<QLineEdit>("searchField"), "sn");
    EXPECT_EQ(app().searchField->stringValue(), "sn");

    widget<QCheckBox>("fadingWindowsTagg")->click();
    EXPECT_EQ(app().fadingWindowsTagg->state(), 1);

    app().timeSlider->setMaxValue(5000.0);
    app().timeSlider->setDoubleValue(1200.0);
    auto* slider = widget<QSlider>("timeSlider");
    EXPECT_EQ(slider->maximum(), 5000);
    EXPECT_EQ(slider->value(), 1200);
    slider->setPageStep(300);
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_DOUBLE_EQ(app().timeSlider->doubleValue(), 1500.0);
}

TEST_F(WindowTest, TheTwoCopyChoicesAreAlternatives)
{
    app().openPreferencesButton(nullptr);
    auto* folder = widget<QRadioButton>("diskImportTagg");
    auto* import = widget<QRadioButton>("iTunes_iPhotoImportTagg");
    ASSERT_TRUE(folder->isChecked());

    import->click();
    EXPECT_EQ(app().iTunes_iPhotoImportTagg->state(), 1);
    EXPECT_EQ(app().diskImportTagg->state(), 0);
    EXPECT_FALSE(folder->isChecked());

    folder->click();
    folder->click(); // choosing the chosen one keeps it
    EXPECT_EQ(app().diskImportTagg->state(), 1);
    EXPECT_EQ(app().iTunes_iPhotoImportTagg->state(), 0);
    EXPECT_TRUE(folder->isChecked());
}

TEST_F(WindowTest, FramesCountFromTheBottomAndFollowTheWindowHeight)
{
    desktop->launch();
    auto* content = widget<korvida::qt::FlippedContainer>("mainContent");
    app().play->setFrameOrigin(korvida::Point{300.0f, 0.0f});
    EXPECT_EQ(widget("play")->geometry(), QRect(300, content->height() - 60, 60, 60));

    widget("mainWindow")->resize(1200, 820);
    QApplication::processEvents();
    EXPECT_EQ(widget("play")->geometry().bottom(), content->height() - 1);
    // The media area stretches with the window: the picture view fills it.
    const korvida::Rect picture = app().inImageView->frame();
    const float left = app().shownBrowserWidth + 10.0f;
    EXPECT_EQ(picture,
              makeRect(left, 105.0f, static_cast<float>(content->width()) - left - 14.0f,
                       static_cast<float>(content->height()) - 120.0f));
    EXPECT_EQ(app().mainWindow->frame().size,
              (korvida::Size{static_cast<float>(content->width()), static_cast<float>(content->height())}));

    // A frame that is not a number never reaches a widget.
    const QRect before = widget("play")->geometry();
    app().play->setFrame(makeRect(std::nanf(""), 0.0f, 60.0f, 60.0f));
    EXPECT_EQ(widget("play")->geometry(), before);
    EXPECT_FALSE(korvida::qt::toQtRect(makeRect(0.0f, INFINITY, 1.0f, 1.0f), 100).has_value());
}

TEST_F(WindowTest, ClosingTheWindowIsTheQuitCommand)
{
    desktop->launch();
    auto* window = widget<QMainWindow>("mainWindow");
    app().openPreferencesButton(nullptr);
    window->close();
    EXPECT_FALSE(desktop->hasTerminated()) << "a sheet is open";
    EXPECT_TRUE(window->isVisible());

    // Escape on the sheet closes it as its button does.
    widget<QDialog>("preferencesPanel")->reject();
    EXPECT_FALSE(app().preferencesPanel->isVisible());
    window->close();
    EXPECT_TRUE(desktop->hasTerminated());
}

TEST_F(WindowTest, QuittingWhileFilesAreQueuedAsksFirstAndReturnKeepsTheCopies)
{
    desktop->launch();
    desktop->openFolder(writePlayer("NANO"));
    app().doChecks();
    ASSERT_FALSE(app().mediasVisible.empty());
    app().mediasVisible.front()->setShouldStartCopy(true);

    QString asked;
    QStringList choices;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        asked = box->text();
        for (QAbstractButton* choice : box->buttons())
            choices.append(choice->text());
        // Return and Escape both give the safe answer.
        EXPECT_EQ(box->escapeButton()->text(), "Cancel");
        QTest::keyClick(box, Qt::Key_Return);
    });
    widget("mainWindow")->close();
    EXPECT_EQ(asked, "1 files are being copied");
    choices.sort();
    EXPECT_EQ(choices, (QStringList{"Cancel", "Quit"}));
    EXPECT_FALSE(desktop->hasTerminated());
    EXPECT_TRUE(app().mediasVisible.front()->getShouldStartCopy()) << "Cancel leaves the copy queued";
}
