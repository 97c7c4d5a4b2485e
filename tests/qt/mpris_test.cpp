#include <QDBusArgument>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <limits>

#include "desktop_fixture.h"
#include "private_bus.h"
#include "qt/mpris/controller_media.h"
#include "qt/mpris/mpris_service.h"
#include "qt/services/qt_desktop.h"
#include "wait_for.h"

using korvida::qt::MediaControls;
using korvida::qt::MprisService;
using korvida::qt::NowPlaying;
using korvida::qt::PlaybackStatus;

namespace {

const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");

// Collects the PropertiesChanged signals of the player.
class ChangeListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;

public slots:
    void changed(const QString& interface, const QVariantMap& properties, const QStringList&)
    {
        if (interface == kPlayer)
            changes.append(properties);
    }
};

// Stands in for the screen saver of the desktop: counts the activity reports.
class ScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    int reports = 0;

public slots:
    Q_SCRIPTABLE void SimulateUserActivity() { ++reports; }
};

QDBusMessage callPlayer(QDBusConnection& client, const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(MprisService::kServiceName),
                                                       QString::fromLatin1(MprisService::kObjectPath), kPlayer, method);
    call.setArguments(arguments);
    return client.call(call, QDBus::BlockWithGui);
}

QVariant playerProperty(QDBusConnection& client, const QString& name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(MprisService::kServiceName), QString::fromLatin1(MprisService::kObjectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call.setArguments({kPlayer, name});
    const QDBusMessage reply = client.call(call, QDBus::BlockWithGui);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QVariantMap playerMetadata(QDBusConnection& client)
{
    return qdbus_cast<QVariantMap>(playerProperty(client, QStringLiteral("Metadata")));
}

class MediaKeysOnPrivateBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!bus.started())
            GTEST_SKIP() << "dbus-daemon is not installed";
    }

    QDBusMessage callPlayer(const QString& method, const QVariantList& arguments = {})
    {
        return ::callPlayer(client, method, arguments);
    }
    QVariant playerProperty(const QString& name) { return ::playerProperty(client, name); }

    PrivateBus bus;
    QDBusConnection client = bus.connect(QStringLiteral("client"));
};

// A player whose state the requests change as the controller's operations would.
struct FakePlayer {
    NowPlaying playing;
    QStringList requests;
    double volume = 1.0;

    MediaControls controls()
    {
        MediaControls controls;
        controls.playPause = [this] {
            requests << QStringLiteral("playPause");
            playing.status = playing.status == PlaybackStatus::Playing ? PlaybackStatus::Paused
                                                                       : PlaybackStatus::Playing;
        };
        controls.next = [this] {
            requests << QStringLiteral("next");
            playing.trackId = QStringLiteral("/org/korvida/track/2");
            playing.title = QStringLiteral("Snowfall");
        };
        controls.setPosition = [this](qint64 at) {
            requests << QStringLiteral("setPosition %1").arg(at);
            playing.positionMicroseconds = at;
        };
        controls.pause = [this] {
            requests << QStringLiteral("pause");
        };
        controls.setRate = [this](double rate) {
            requests << QStringLiteral("setRate %1").arg(rate);
            playing.rate = rate;
        };
        controls.volume = [this] {
            return volume;
        };
        controls.setVolume = [this](double loudness) {
            volume = loudness;
        };
        controls.nowPlaying = [this] {
            return playing;
        };
        return controls;
    }
};

} // namespace

TEST_F(MediaKeysOnPrivateBus, RequestsReachThePlayerAndItsChangesComeBack)
{
    FakePlayer fake;
    fake.playing = NowPlaying{PlaybackStatus::Paused,
                              QStringLiteral("/org/korvida/track/1"),
                              QStringLiteral("Harbour Bells"),
                              QStringLiteral("Fjord Brass"),
                              QStringLiteral("Tides"),
                              QStringLiteral("file:///tmp/cover.png"),
                              95'000'000,
                              0,
                              true};
    MprisService service(bus.connect(QStringLiteral("player")), fake.controls());
    ASSERT_TRUE(service.isOffered());
    ChangeListener listener;
    ASSERT_TRUE(client.connect(QString(), QString::fromLatin1(MprisService::kObjectPath),
                               QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
                               &listener, SLOT(changed(QString, QVariantMap, QStringList))));

    const QVariantMap metadata = playerMetadata(client);
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Harbour Bells"));
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:artist")).toStringList(),
              QStringList{QStringLiteral("Fjord Brass")});
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Tides"));
    EXPECT_EQ(metadata.value(QStringLiteral("mpris:length")).toLongLong(), 95'000'000);
    EXPECT_EQ(metadata.value(QStringLiteral("mpris:artUrl")).toString(), QStringLiteral("file:///tmp/cover.png"));
    EXPECT_EQ(metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/korvida/track/1"));

    EXPECT_EQ(callPlayer(QStringLiteral("PlayPause")).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(playerProperty(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    ASSERT_TRUE(waitFor([&] { return !listener.changes.isEmpty(); }));
    EXPECT_EQ(listener.changes.last().value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));

    callPlayer(QStringLiteral("Next"));
    ASSERT_TRUE(waitFor([&] { return listener.changes.size() == 2; }));
    const QVariantMap announced = qdbus_cast<QVariantMap>(listener.changes.last().value(QStringLiteral("Metadata")));
    EXPECT_EQ(announced.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Snowfall"));

    // A position for an item that no longer plays is ignored; one for the playing item is taken.
    callPlayer(QStringLiteral("SetPosition"),
               {QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/korvida/track/1"))), qlonglong(5'000'000)});
    callPlayer(QStringLiteral("SetPosition"),
               {QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/korvida/track/2"))), qlonglong(7'000'000)});
    callPlayer(QStringLiteral("Seek"), {qlonglong(-10'000'000)});
    EXPECT_EQ(fake.requests,
              (QStringList{QStringLiteral("playPause"), QStringLiteral("next"), QStringLiteral("setPosition 7000000"),
                           QStringLiteral("setPosition 0")}));
}

namespace {

QDBusMessage setPlayerProperty(QDBusConnection& client, const QString& name, const QVariant& value)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(MprisService::kServiceName), QString::fromLatin1(MprisService::kObjectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    call.setArguments({kPlayer, name, QVariant::fromValue(QDBusVariant(value))});
    return client.call(call, QDBus::BlockWithGui);
}

} // namespace

TEST_F(MediaKeysOnPrivateBus, SeekVolumeAndRateStayWithinTheirBoundsAndNoAddressIsOpened)
{
    FakePlayer fake;
    fake.playing.trackId = QStringLiteral("/org/korvida/track/0");
    fake.playing.lengthMicroseconds = 20'000'000;
    fake.playing.positionMicroseconds = 8'000'000;
    fake.playing.canSeek = true;
    MprisService service(bus.connect(QStringLiteral("player")), fake.controls());
    ASSERT_TRUE(service.isOffered());

    // The largest offsets do not wrap around: forward past the end is the next item.
    callPlayer(QStringLiteral("Seek"), {std::numeric_limits<qlonglong>::max()});
    callPlayer(QStringLiteral("Seek"), {std::numeric_limits<qlonglong>::min()});
    EXPECT_EQ(fake.requests, (QStringList{QStringLiteral("next"), QStringLiteral("setPosition 0")}));

    EXPECT_EQ(setPlayerProperty(client, QStringLiteral("Volume"), 1.7).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(playerProperty(QStringLiteral("Volume")).toDouble(), 1.0);
    setPlayerProperty(client, QStringLiteral("Volume"), 0.25);
    EXPECT_EQ(playerProperty(QStringLiteral("Volume")).toDouble(), 0.25);
    setPlayerProperty(client, QStringLiteral("Volume"), -3.0);
    EXPECT_EQ(fake.volume, 0.0);

    const double lowest = playerProperty(QStringLiteral("MinimumRate")).toDouble();
    const double highest = playerProperty(QStringLiteral("MaximumRate")).toDouble();
    EXPECT_LE(lowest, 1.0);
    EXPECT_GE(highest, 1.0);
    fake.requests.clear();
    setPlayerProperty(client, QStringLiteral("Rate"), 100.0);
    EXPECT_EQ(playerProperty(QStringLiteral("Rate")).toDouble(), highest);
    setPlayerProperty(client, QStringLiteral("Rate"), 0.0);
    EXPECT_EQ(fake.requests, (QStringList{QStringLiteral("setRate %1").arg(highest), QStringLiteral("pause")}))
        << "a rate of 0 pauses";

    const QDBusMessage open = ::callPlayer(client, QStringLiteral("OpenUri"), {QStringLiteral("file:///etc/passwd")});
    EXPECT_EQ(open.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(open.errorName(), QStringLiteral("org.freedesktop.DBus.Error.NotSupported"));
}

TEST_F(MediaKeysOnPrivateBus, ASecondPlayerOnTheSameBusIsNotOffered)
{
    FakePlayer first;
    FakePlayer second;
    MprisService offered(bus.connect(QStringLiteral("first")), first.controls());
    MprisService refused(bus.connect(QStringLiteral("second")), second.controls());
    EXPECT_TRUE(offered.isOffered());
    EXPECT_FALSE(refused.isOffered());
}

TEST(MediaKeysWithoutBus, NothingIsOfferedAndNothingFails)
{
    FakePlayer fake;
    MprisService service(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere")),
        fake.controls());
    EXPECT_FALSE(service.isOffered());
    service.announceChanges();
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
}

TEST_F(MediaKeysOnPrivateBus, KeepAwakeReachesTheScreenSaverOncePerReport)
{
    QDBusConnection desktop = bus.connect(QStringLiteral("screensaver"));
    ScreenSaver saver;
    ASSERT_TRUE(desktop.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver,
                                       QDBusConnection::ExportScriptableSlots));
    ASSERT_TRUE(desktop.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    korvida::qt::QtKeepAwake keepAwake(bus.connect(QStringLiteral("korvida")));
    keepAwake.updateSystemActivity();
    keepAwake.updateSystemActivity();
    EXPECT_TRUE(waitFor([&] { return saver.reports == 2; }));
}

// The real program's operations behind the bus.
class MediaKeysOfTheProgram : public DesktopFixture {
protected:
    PrivateBus bus;
};

TEST_F(MediaKeysOfTheProgram, PlayPauseNextAndMetadataReachTheControllerAndComeBack)
{
    if (!bus.started())
        GTEST_SKIP() << "dbus-daemon is not installed";
    desktop->launch();
    desktop->openFolder(writePlayerWithMedia("PLAYER"));
    MainApp& app = desktop->controller();
    app.doChecks();
    ASSERT_EQ(app.medias.size(), 2u);
    korvida::qt::CoverFiles covers(QString::fromStdString((folder.path() / "covers").string()));
    MprisService service(bus.connect(QStringLiteral("korvida")), korvida::qt::mediaControlsOf(app, {}, covers));
    ASSERT_TRUE(service.isOffered());
    QDBusConnection client = bus.connect(QStringLiteral("client"));
    EXPECT_EQ(playerProperty(client, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));

    const int tune = app.medias[0]->getMediaType() == InMedia::kMusic ? 0 : 1;
    app.mediaTableView->selectRow(tune, false);
    app.playing = false;
    callPlayer(client, QStringLiteral("PlayPause"));
    ASSERT_TRUE(app.playing);
    EXPECT_EQ(app.lastPlaydMedia, app.medias[tune]);
    EXPECT_EQ(playerProperty(client, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Playing"));
    const QVariantMap tuneData = playerMetadata(client);
    EXPECT_EQ(tuneData.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Snowfall"));
    EXPECT_EQ(tuneData.value(QStringLiteral("xesam:artist")).toStringList(),
              QStringList{QStringLiteral("Aurora Quartet")});
    EXPECT_EQ(tuneData.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Winter"));
    // Named by the item's place on the player, not by where it lies in memory.
    const QString trackId = tuneData.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^/org/korvida/track/[01]$")).match(trackId).hasMatch())
        << trackId.toStdString();
    // The picture is written on a thread of its own; its address follows once it is there.
    QUrl cover;
    EXPECT_TRUE(waitFor([&] {
        cover = QUrl(playerMetadata(client).value(QStringLiteral("mpris:artUrl")).toString());
        return cover.isLocalFile() && QFileInfo::exists(cover.toLocalFile());
    })) << cover.toString().toStdString();

    // Next plays the film, as the next button does while playing.
    callPlayer(client, QStringLiteral("Next"));
    EXPECT_EQ(app.lastPlaydMedia, app.medias[1 - tune]);
    EXPECT_EQ(playerMetadata(client).value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Sunrise"));
    callPlayer(client, QStringLiteral("PlayPause"));
    EXPECT_FALSE(app.playing);
    EXPECT_EQ(playerProperty(client, QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Paused"));
}

#include "mpris_test.moc"
