#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "desktop_fixture.h"
#include "wait_for.h"

namespace {

// The real windows of full-screen mode on the offscreen screen, with a film and a tune of the
// demo media on the player.
class FullScreenWindowTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    void openPlayer()
    {
        desktop->launch();
        desktop->openFolder(writePlayerWithMedia("PLAYER"));
        app().doChecks();
        ASSERT_EQ(app().medias.size(), 2u);
    }

    void playRow(int row)
    {
        app().mediaTableView->selectRow(row, false);
        app().playing = false;
        app().playButton(nullptr);
    }

    int rowOf(int type)
    {
        for (std::size_t row = 0; row < app().medias.size(); ++row)
            if (app().medias[row]->getMediaType() == type)
                return static_cast<int>(row);
        ADD_FAILURE() << "no such row";
        return 0;
    }

    QWidget* mainWindow() { return widget("mainContent")->window(); }

    // The rectangle of the program's screen coordinates as Qt places it on the screen.
    static QRect flipped(float x, float y, float width, float height)
    {
        const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
        return QRect(int(x), screenHeight - int(y) - int(height), int(width), int(height));
    }
};

} // namespace

TEST_F(FullScreenWindowTest, EnteringAndLeavingKeepsThePausedFilmAndThePanelsAppearAtTheirPlaces)
{
    openPlayer();
    playRow(rowOf(InMedia::kMovie));
    ASSERT_TRUE(waitFor([&] { return app().visibleMovie->hasDuration(); }));
    app().playButton(nullptr);
    ASSERT_FALSE(app().playing);
    // The decoder reports the last frame it showed a moment after the pause.
    QTest::qWait(300);
    const auto film = app().visibleMovie;
    const std::int32_t position = film->getMovieTime();

    QCursor::setPos(QPoint(400, 300));
    QTest::keyClick(mainWindow(), Qt::Key_F11);
    ASSERT_TRUE(app().fullScreen);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget* presentation = widget("mainfullScreenPanel");
    ASSERT_NE(presentation, nullptr);
    EXPECT_TRUE(presentation->isVisible());
    EXPECT_EQ(presentation->geometry(), screen);
    EXPECT_TRUE(presentation->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(presentation->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(widget("backfullScreenPanel")->isVisible());
    EXPECT_EQ(widget("fullScreenMovieView")->window(), presentation);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);

    // A still mouse shows nothing; a moved one shows the four panels, the cursor with them.
    app().doChecks();
    EXPECT_FALSE(widget("controllPanelFullScreen")->isVisible());
    QCursor::setPos(QPoint(420, 300));
    app().doChecks();
    const float width = screen.width();
    const float height = screen.height();
    EXPECT_EQ(widget("controllPanelFullScreen")->geometry(), flipped(0, 0, width, 130));
    EXPECT_EQ(widget("playlistsControllPanelFullScreen")->geometry(), flipped(0, 130, 200, height - 380));
    EXPECT_EQ(widget("namesControllPanelFullScreen")->geometry(), flipped(width - 200, 130, 200, height - 380));
    EXPECT_EQ(widget("selectControllPanelFullScreen")->geometry(), flipped(0, height - 230, width, 230));
    for (const char* panel : {"controllPanelFullScreen", "playlistsControllPanelFullScreen",
                              "namesControllPanelFullScreen", "selectControllPanelFullScreen"})
        EXPECT_TRUE(widget(panel)->isVisible()) << panel;
    EXPECT_EQ(widget("mediaTableViewFullScreen")->window(), widget("namesControllPanelFullScreen"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    QTest::keyClick(presentation, Qt::Key_Escape);
    EXPECT_FALSE(app().fullScreen);
    for (const char* window : {"mainfullScreenPanel", "backfullScreenPanel", "controllPanelFullScreen"}) {
        EXPECT_FALSE(widget(window)->isVisible()) << window;
        EXPECT_EQ(widget(window)->windowOpacity(), 1.0) << window;
    }
    EXPECT_EQ(app().mainMovieView->movie(), film);
    EXPECT_TRUE(widget("mainMovieView")->isVisible());
    EXPECT_FALSE(app().playing);
    EXPECT_EQ(film->getMovieTime(), position);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FullScreenWindowTest, ADoubleClickOnThePictureEntersAndTheKeysPlayAndMoveOn)
{
    openPlayer();
    const int film = rowOf(InMedia::kMovie);
    playRow(rowOf(InMedia::kMusic));
    ASSERT_TRUE(app().playing);
    QTest::mouseDClick(widget("inImageView"), Qt::LeftButton);
    ASSERT_TRUE(app().fullScreen);
    EXPECT_TRUE(widget("inImageViewFullScreen")->isVisible());

    QWidget* presentation = widget("mainfullScreenPanel");
    QTest::keyClick(presentation, Qt::Key_Space);
    EXPECT_FALSE(app().playing);
    QTest::keyClick(presentation, Qt::Key_Right);
    EXPECT_EQ(app().mediaTableView->selectedRow(), film);
    QTest::keyClick(presentation, Qt::Key_Space);
    EXPECT_TRUE(app().playing);
    EXPECT_EQ(app().lastPlaydMedia, app().medias[film]);
    EXPECT_FALSE(widget("fullScreenMovieView")->isHidden());

    QTest::mouseDClick(widget("fullScreenMovieView"), Qt::LeftButton);
    EXPECT_FALSE(app().fullScreen);
}
