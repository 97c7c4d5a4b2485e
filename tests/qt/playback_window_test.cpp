#include <QElapsedTimer>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "desktop_fixture.h"
#include "tools/demo_device.h"
#include "wait_for.h"

namespace {

namespace fs = std::filesystem;

// The real window playing the demo player's own media files.
class PlaybackWindowTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    void openDemoPlayer()
    {
        const auto demo = korvida::demo::demoDevice();
        const fs::path root = folder.path() / "DEMO";
        for (const auto& file : demo.files) {
            fs::create_directories((root / file.place).parent_path());
            fs::copy_file(fs::path(KORVIDA_SOURCE_DIR "/demo/assets") / file.asset, root / file.place,
                          fs::copy_options::overwrite_existing);
        }
        ASSERT_TRUE(korvida::devicewriter::writeDevice(root, demo.device));
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
        ASSERT_FALSE(app().medias.empty());
    }

    // The first row of the media table whose item is of the type and whose path ends so.
    int rowOf(int type, const std::string& ending = {})
    {
        for (std::size_t row = 0; row < app().medias.size(); ++row) {
            const std::string& path = app().medias[row]->getPath();
            if (app().medias[row]->getMediaType() == type && path.ends_with(ending))
                return static_cast<int>(row);
        }
        ADD_FAILURE() << "no such row";
        return 0;
    }

    void doubleClickRow(int row)
    {
        auto* table = widget<QTableView>("mediaTableView");
        const QModelIndex index = table->model()->index(row, 1);
        table->scrollTo(index);
        // As a mouse does it: the first click selects, the second is the double click.
        const QPoint middle = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, middle);
    }

    // Runs the event loop and the one-second tick until `done` holds or ten seconds pass.
    template <typename Done>
    bool tickUntil(Done done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) {
            QTest::qWait(100);
            app().doChecks();
        }
        return done();
    }
};

} // namespace

TEST_F(PlaybackWindowTest, ADoubleClickedTunePlaysAndItsTimeRuns)
{
    openDemoPlayer();
    const int row = rowOf(InMedia::kMusic, ".mp3");
    doubleClickRow(row);
    ASSERT_EQ(app().lastPlaydMedia, app().medias[row]);
    EXPECT_TRUE(app().playing);
    EXPECT_EQ(widget<QLabel>("corentlyPlaing")->text().toStdString(), app().medias[row]->getCleanName());
    EXPECT_TRUE(widget("mainMovieView")->isHidden());
    EXPECT_NE(app().inImageView->image(), nullptr) << "its cover or its icon";

    // The demo tunes last a few seconds: no tick runs until the pause has been seen, so that
    // the list does not move on meanwhile.
    const auto movie = app().visibleMovie;
    ASSERT_TRUE(waitFor([&] { return movie->getMovieTime() > 200; })) << "the tune plays";

    // The space bar in the table pauses; the position stays. Return plays on.
    QTest::keyClick(widget<QTableView>("mediaTableView"), Qt::Key_Space);
    EXPECT_FALSE(app().playing);
    QTest::qWait(300);
    const auto paused = movie->getMovieTime();
    QTest::qWait(300);
    EXPECT_LE(std::abs(movie->getMovieTime() - paused), 50);
    QTest::keyClick(widget<QTableView>("mediaTableView"), Qt::Key_Return);
    EXPECT_TRUE(app().playing);
    EXPECT_EQ(app().visibleMovie, movie) << "resumed, not opened again";

    auto* played = widget<QLabel>("timePlayd");
    EXPECT_TRUE(tickUntil([&] { return widget<QLabel>("timeLeft")->text().startsWith('-'); }));
    const QString before = played->text();
    EXPECT_TRUE(tickUntil([&] { return played->text() != before; })) << "the elapsed time moves on";
}

TEST_F(PlaybackWindowTest, AFilmOpensWithItsNaturalSizeAndIsFittedInTheWindow)
{
    openDemoPlayer();
    doubleClickRow(rowOf(InMedia::kMovie));
    EXPECT_FALSE(widget("mainMovieView")->isHidden());
    const auto movie = app().visibleMovie;
    ASSERT_TRUE(tickUntil([&] { return movie->getMovieNaturalBoundsRect().size.width > 0; }));
    EXPECT_EQ(movie->getMovieNaturalBoundsRect(), korvida::makeRect(0, 0, 320, 240));
    // Fitted to the media area's width, 3 : 4 high, centred on it.
    const korvida::Rect frame = app().mainMovieView->frame();
    EXPECT_NEAR(frame.size.height, frame.size.width * 0.75f, 1.0f);
    EXPECT_NEAR(frame.origin.x, app().dragX, 1.0f);
    EXPECT_TRUE(tickUntil([&] { return movie->getMovieTime() > 300; }));
}

TEST_F(PlaybackWindowTest, APhotoMovesOnAfterFourTicks)
{
    openDemoPlayer();
    const int row = rowOf(InMedia::kPhoto);
    doubleClickRow(row);
    EXPECT_TRUE(widget("timeSlider")->isHidden());
    for (int tick = 0; tick < 3; ++tick)
        app().doChecks();
    EXPECT_EQ(app().lastPlaydMedia, app().medias[row]);
    app().doChecks();
    EXPECT_EQ(app().mediaTableView->selectedRow(), (row + 1) % static_cast<int>(app().medias.size()));
    EXPECT_NE(app().lastPlaydMedia, app().medias[row]);
}

TEST_F(PlaybackWindowTest, AFileThatIsNoTuneIsMarkedAndLeft)
{
    openDemoPlayer();
    const int row = rowOf(InMedia::kMusic, ".mp3");
    const std::string path = app().medias[row]->getPath();
    korvida::devicewriter::writeFile(path, {'n', 'o', 't', ' ', 'a', ' ', 't', 'u', 'n', 'e'});
    doubleClickRow(row);
    ASSERT_TRUE(tickUntil([&] { return app().medias[row]->getIsBroken(); }));
    EXPECT_EQ(app().medias[row]->getCleanName().rfind("BROKEN !! ", 0), 0u);
    EXPECT_NE(app().lastPlaydMedia, app().medias[row]) << "the list moved on";
}

TEST_F(PlaybackWindowTest, TheMediaAreaAndTheTransportRowFollowTheWindow)
{
    desktop->launch();
    QWidget* window = widget("mainWindow");
    QWidget* play = widget("play");
    QWidget* picture = widget("inImageView");
    window->resize(1500, 800);
    QTest::qWait(50);
    const int centre = play->geometry().center().x();
    const int pictureWidth = picture->width();
    // Wide enough both times for the browser side to keep its width.
    window->resize(1300, 800);
    ASSERT_TRUE(waitFor([&] { return play->geometry().center().x() != centre; }));
    // The media area loses the 200 points; its centre, and the row under it, move by half.
    EXPECT_NEAR(centre - play->geometry().center().x(), 100, 1);
    EXPECT_EQ(pictureWidth - picture->width(), 200);
}
