// The real window with the real media backend and no sound server, as in CI: tunes made by
// the test, the demo player's own media, the one-second tick on its real timer, and the
// media keys on a private session bus.
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "desktop_fixture.h"
#include "private_bus.h"
#include "qt/mpris/controller_media.h"
#include "qt/mpris/mpris_service.h"
#include "support/tune_player.h"
#include "tools/demo_device.h"
#include "wait_for.h"

namespace {

namespace fs = std::filesystem;
using korvida::qt::MprisService;

// A tone of `seconds` as 16-bit mono PCM at 8 kHz, in a WAV file.
void writeTone(const fs::path& path, int seconds, double frequency)
{
    constexpr std::uint32_t rate = 8000;
    const std::uint32_t samples = rate * static_cast<std::uint32_t>(seconds);
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * frequency * i / rate))), 2);
}

class RealPlaybackTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    // Launches the program and opens a player of three tunes "Tone 1" to "Tone 3" of
    // `seconds` each, read by the first tick.
    void openTonePlayer(int seconds)
    {
        auto device = tunePlayer({"Tone 1", "Tone 2", "Tone 3"});
        const fs::path root = folder.path() / "TONES";
        fs::create_directories(root / "iPod_Control/Music/F00");
        for (std::size_t i = 0; i < device.tracks.size(); ++i) {
            const std::string name = "T" + std::to_string(device.tracks[i].id) + ".wav";
            device.tracks[i].location = ":iPod_Control:Music:F00:" + name;
            writeTone(root / "iPod_Control/Music/F00" / name, seconds, 440.0 * (i + 1));
        }
        ASSERT_TRUE(korvida::devicewriter::writeDevice(root, device));
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
        ASSERT_EQ(app().medias.size(), 3u);
    }

    void openDemoPlayer()
    {
        const auto demo = korvida::demo::demoDevice();
        const fs::path root = folder.path() / "DEMO";
        for (const auto& file : demo.files) {
            fs::create_directories((root / file.place).parent_path());
            fs::copy_file(fs::path(KORVIDA_SOURCE_DIR "/demo/assets") / file.asset, root / file.place);
        }
        ASSERT_TRUE(korvida::devicewriter::writeDevice(root, demo.device));
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
    }

    int rowOf(int type, const std::string& ending = {})
    {
        for (std::size_t row = 0; row < app().medias.size(); ++row)
            if (app().medias[row]->getMediaType() == type && app().medias[row]->getPath().ends_with(ending))
                return static_cast<int>(row);
        ADD_FAILURE() << "no such row";
        return 0;
    }

    QPoint middleOf(QTableView* table, int row)
    {
        const QModelIndex index = table->model()->index(row, 1);
        table->scrollTo(index);
        return table->visualRect(index).center();
    }

    void clickRow(const char* outlet, int row)
    {
        auto* table = widget<QTableView>(outlet);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, middleOf(table, row));
    }

    void doubleClickRow(int row)
    {
        auto* table = widget<QTableView>("mediaTableView");
        const QPoint middle = middleOf(table, row);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, middle);
    }

    std::int32_t timeNow() { return app().visibleMovie ? app().visibleMovie->getMovieTime() : -1; }
    bool showsPause() { return app().play->image() == app().pauseButtonImageControllPanel; }

    // Whether a film's view shows a picture: a quarter of its pixels, as drawn, are not black.
    // The picture is drawn in a window of its own, inside the view's window.
    bool showsPicture(const char* outlet)
    {
        const QWindow* inside = widget(outlet)->window()->windowHandle();
        QImage shot;
        for (QWindow* shown : QGuiApplication::allWindows())
            if (shown->inherits("QVideoWindow") && shown->isVisible() && shown->parent() == inside) {
                // Drawn afresh from what the view holds now, not from an earlier drawing.
                QEvent update(QEvent::UpdateRequest);
                QCoreApplication::sendEvent(shown, &update);
                shot = shown->screen()->grabWindow(shown->winId()).toImage();
            }
        int lit = 0;
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                lit += qGray(shot.pixel(x, y)) > 40 ? 1 : 0;
        return !shot.isNull() && lit * 4 * 16 > shot.width() * shot.height();
    }
};

// The same window, offered on a private session bus as the desktop's media keys see it.
class RealMediaKeysTest : public RealPlaybackTest {
protected:
    void offer()
    {
        ASSERT_TRUE(bus.started()) << "dbus-daemon is missing";
        service = std::make_unique<MprisService>(bus.connect(QStringLiteral("korvida")),
                                                 korvida::qt::mediaControlsOf(app(), {}, covers));
        ASSERT_TRUE(service->isOffered());
        client = bus.connect(QStringLiteral("client"));
    }

    QDBusMessage ask(const QString& interface, const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(MprisService::kServiceName),
                                                           QString::fromLatin1(MprisService::kObjectPath), interface,
                                                           method);
        call.setArguments(arguments);
        return client.call(call, QDBus::BlockWithGui);
    }

    void press(const char* key) { ask(kPlayer, QString::fromLatin1(key)); }

    QVariant property(const char* name)
    {
        const QDBusMessage reply = ask(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                       {kPlayer, name});
        return reply.arguments().isEmpty() ? QVariant() : reply.arguments().first().value<QDBusVariant>().variant();
    }

    QString status() { return property("PlaybackStatus").toString(); }
    QString title()
    {
        return qdbus_cast<QVariantMap>(property("Metadata")).value(QStringLiteral("xesam:title")).toString();
    }

    const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
    PrivateBus bus;
    korvida::qt::CoverFiles covers{QString::fromStdString((folder.path() / "covers").string())};
    std::unique_ptr<MprisService> service;
    QDBusConnection client{QString()};
};

} // namespace

TEST_F(RealMediaKeysTest, ADoubleClickRightAfterLaunchPlaysTheChosenTuneOn)
{
    openTonePlayer(6);
    offer();
    // While the start-up sound still sounds: the tune plays, nothing skips it.
    ASSERT_NE(app().startupSound, nullptr);
    doubleClickRow(0);
    EXPECT_EQ(app().startupSound, nullptr) << "the start-up sound is let go of";
    InMedia* tune = app().medias[0];
    QElapsedTimer clock;
    clock.start();
    for (int sample = 0; sample < 8; ++sample) {
        QTest::qWait(500);
        ASSERT_EQ(app().lastPlaydMedia, tune) << "at " << clock.elapsed() << " ms";
        EXPECT_EQ(title(), QStringLiteral("Tone 1"));
        EXPECT_EQ(status(), QStringLiteral("Playing"));
    }
    // It played in real time, not faster.
    EXPECT_GT(timeNow(), 1000);
    EXPECT_LE(timeNow(), clock.elapsed() + 500);
    EXPECT_TRUE(showsPause());
    EXPECT_FALSE(tune->getIsBroken());
}

TEST_F(RealMediaKeysTest, PlayStopAndNextActOnTheChosenRowAndTellWhatPlays)
{
    openTonePlayer(20);
    offer();
    EXPECT_EQ(status(), QStringLiteral("Stopped"));
    // No row chosen: Play plays the first.
    app().mediaTableView->deselectAll();
    press("Play");
    EXPECT_EQ(app().lastPlaydMedia, app().medias[0]);
    // A chosen row: Play plays it at once.
    clickRow("mediaTableView", 1);
    EXPECT_EQ(app().lastPlaydMedia, app().medias[0]) << "a click plays nothing";
    press("Play");
    ASSERT_EQ(app().lastPlaydMedia, app().medias[1]);
    EXPECT_EQ(title(), QStringLiteral("Tone 2"));
    ASSERT_TRUE(waitFor([&] { return timeNow() > 800; }));
    EXPECT_EQ(status(), QStringLiteral("Playing"));

    // Stop pauses and says so; the position stands.
    press("Stop");
    EXPECT_EQ(status(), QStringLiteral("Paused"));
    EXPECT_FALSE(showsPause());
    QTest::qWait(300);
    const std::int32_t paused = timeNow();
    QTest::qWait(1200);
    EXPECT_NEAR(timeNow(), paused, 50);

    // Play resumes where it paused, without opening the tune again.
    const auto movie = app().visibleMovie;
    press("Play");
    EXPECT_EQ(app().visibleMovie, movie);
    ASSERT_TRUE(waitFor([&] { return timeNow() > paused + 200; }));
    EXPECT_LT(timeNow(), paused + 1000) << "no part of it is skipped";

    press("Next");
    EXPECT_EQ(app().lastPlaydMedia, app().medias[2]);
    EXPECT_EQ(title(), QStringLiteral("Tone 3"));
    EXPECT_TRUE(waitFor([&] { return timeNow() > 300; }));
    EXPECT_EQ(status(), QStringLiteral("Playing"));
}

TEST_F(RealMediaKeysTest, ABrowserClickWhilePausedPlaysNothing)
{
    openTonePlayer(20);
    offer();
    doubleClickRow(0);
    ASSERT_TRUE(waitFor([&] { return timeNow() > 300; }));
    QTest::keyClick(widget<QTableView>("mediaTableView"), Qt::Key_Space);
    ASSERT_FALSE(app().playing);
    const std::int32_t paused = timeNow();

    clickRow("artistTableView", 0);
    clickRow("playListsTableView", 0);
    clickRow("mediaTableView", 0);
    // Two ticks on their real timer.
    QTest::qWait(2200);
    EXPECT_FALSE(app().playing);
    EXPECT_FALSE(showsPause());
    EXPECT_EQ(status(), QStringLiteral("Paused"));
    EXPECT_NEAR(timeNow(), paused, 50);
}

TEST_F(RealPlaybackTest, ATuneAfterAPhotoPlaysWholeInRealTime)
{
    openDemoPlayer();
    doubleClickRow(rowOf(InMedia::kPhoto));
    QTest::qWait(1000);
    const int row = rowOf(InMedia::kMusic, ".mp3");
    InMedia* tune = app().medias[row];
    doubleClickRow(row);
    ASSERT_EQ(app().lastPlaydMedia, tune);
    const auto movie = app().visibleMovie;
    QElapsedTimer clock;
    clock.start();
    std::int32_t furthest = 0;
    ASSERT_TRUE(waitFor([&] {
        if (app().lastPlaydMedia == tune) {
            furthest = std::max(furthest, movie->getMovieTime());
            EXPECT_LE(furthest, clock.elapsed() + 500) << "it plays no faster than the clock";
        }
        return app().lastPlaydMedia != tune;
    }));
    ASSERT_TRUE(movie->hasDuration());
    EXPECT_GE(furthest, movie->getMovieDuration() - 1000);
    EXPECT_FALSE(tune->getIsBroken());
}

TEST_F(RealPlaybackTest, APhotoKeptOnlyAsAThumbnailShowsItsPictureOnceDecoded)
{
    namespace dw = korvida::devicewriter;
    dw::Device device;
    device.withPhotos = true;
    device.withFullResolutionFolder = false;
    dw::Photo photo;
    photo.id = 1;
    dw::Thumbnail thumbnail;
    thumbnail.file = ":Thumbs:F1024_1.ithmb";
    thumbnail.width = 64;
    thumbnail.height = 48;
    thumbnail.rgb.assign(64 * 48 * 3, 0x80);
    photo.thumbnails = {thumbnail};
    device.photos = {photo};
    const fs::path root = folder.path() / "THUMBS";
    ASSERT_TRUE(dw::writeDevice(root, device));
    desktop->launch();
    desktop->openFolder(QString::fromStdString(root.string()));
    app().doChecks();
    const int row = rowOf(InMedia::kPhoto);
    ASSERT_TRUE(app().medias[row]->isThumbnailPhoto());

    doubleClickRow(row);
    ASSERT_TRUE(waitFor([&] { return app().visibleMovie && app().visibleMovie->hasDuration(); }));
    EXPECT_FALSE(app().visibleMovie->failed());
    EXPECT_EQ(app().visibleMovie->getMovieNaturalBoundsRect().size, (korvida::Size{64, 48}));
    EXPECT_EQ(app().mainMovieView->movie(), app().visibleMovie);
    EXPECT_FALSE(app().medias[row]->getIsBroken());
}

TEST_F(RealPlaybackTest, FastForwardToTheEndMovesOnAndTheGrooveSeeks)
{
    openTonePlayer(6);
    doubleClickRow(0);
    ASSERT_TRUE(waitFor([&] { return timeNow() > 300; }));

    // A click on the groove at three quarters moves there, and the tick keeps it there.
    auto* slider = widget<QSlider>("timeSlider");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() * 3 / 4, slider->height() / 2));
    const std::int32_t target = app().visibleMovie->getMovieDuration() * 3 / 4;
    EXPECT_NEAR(timeNow(), target, 600);
    QTest::qWait(1100);
    EXPECT_NEAR(timeNow(), target + 1100, 900);

    // Fast forward to the end; switched off there before the tick, the list still moves on.
    app().fastForward->setState(1);
    app().fastForvardButton(app().fastForward.get());
    const auto movie = app().visibleMovie;
    ASSERT_TRUE(waitFor([&] { return movie->atEnd(); }));
    app().fastForward->setState(0);
    app().fastForvardButton(app().fastForward.get());
    ASSERT_TRUE(waitFor([&] { return app().lastPlaydMedia == app().medias[1]; }));
    EXPECT_TRUE(waitFor([&] { return timeNow() > 500; })) << "the next tune plays";
    EXPECT_FALSE(app().medias[0]->getIsBroken());
}

TEST_F(RealPlaybackTest, ThePlayerFolderGoneStopsPlaybackAndMarksNothing)
{
    openTonePlayer(20);
    doubleClickRow(0);
    ASSERT_TRUE(waitFor([&] { return timeNow() > 300; }));
    fs::remove_all(folder.path() / "TONES");
    ASSERT_TRUE(waitFor([&] { return !app().playing; }));
    EXPECT_FALSE(showsPause());
    QTest::qWait(1200);
    EXPECT_EQ(app().lastPlaydMedia, app().medias[0]);
    for (const InMedia* media : app().medias)
        EXPECT_FALSE(media->getIsBroken());
    EXPECT_TRUE(widget("mainWindow")->windowTitle().endsWith(QStringLiteral("is no longer connected")));
}

TEST_F(RealPlaybackTest, APausedFilmShowsItsPictureInAndOutOfFullScreenAndStaysWhereItIs)
{
    openDemoPlayer();
    doubleClickRow(rowOf(InMedia::kMovie));
    ASSERT_TRUE(waitFor([&] { return timeNow() > 800; }));
    QTest::keyClick(widget<QTableView>("mediaTableView"), Qt::Key_Space);
    ASSERT_FALSE(app().playing);
    ASSERT_TRUE(waitFor([&] { return showsPicture("mainMovieView"); }));
    // The decoder reports the last frame it showed a moment after the pause.
    QTest::qWait(300);
    const std::int32_t paused = timeNow();

    QTest::keyClick(widget("mainContent")->window(), Qt::Key_F11);
    ASSERT_TRUE(app().fullScreen);
    EXPECT_TRUE(waitFor([&] { return showsPicture("fullScreenMovieView"); }));
    QTest::keyClick(widget("mainfullScreenPanel"), Qt::Key_Escape);
    ASSERT_FALSE(app().fullScreen);
    EXPECT_TRUE(waitFor([&] { return showsPicture("mainMovieView"); }));
    EXPECT_FALSE(app().playing);
    EXPECT_EQ(timeNow(), paused);
}
