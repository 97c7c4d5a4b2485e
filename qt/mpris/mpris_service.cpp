#include "qt/mpris/mpris_service.h"

#include <QDBusMessage>

#include <algorithm>

#include "qt/mpris/mpris_adaptors.h"

namespace korvida::qt {

namespace {

constexpr int kWatchIntervalMs = 1000;

} // namespace

MprisService::MprisService(QDBusConnection bus, MediaControls controls, QObject* parent)
    : QObject(parent), bus(std::move(bus)), controls(std::move(controls))
{
    if (!this->bus.isConnected())
        return;
    new MprisRootAdaptor(this, this->controls);
    player = new MprisPlayerAdaptor(this, *this);
    if (!this->bus.registerObject(QString::fromLatin1(kObjectPath), this))
        return;
    if (!this->bus.registerService(QString::fromLatin1(kServiceName))) {
        this->bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return;
    }
    offered = true;
    announced = nowPlaying();
    announcedVolume = volume();
    connect(&watch, &QTimer::timeout, this, &MprisService::announceChanges);
    watch.start(kWatchIntervalMs);
}

MprisService::~MprisService()
{
    if (!offered)
        return;
    bus.unregisterService(QString::fromLatin1(kServiceName));
    bus.unregisterObject(QString::fromLatin1(kObjectPath));
}

NowPlaying MprisService::nowPlaying() const
{
    return controls.nowPlaying ? controls.nowPlaying() : NowPlaying{};
}

double MprisService::volume() const
{
    return controls.volume ? controls.volume() : 1.0;
}

void MprisService::request(const std::function<void()>& action)
{
    if (action)
        action();
    announceChanges();
}

void MprisService::seekTo(qint64 microseconds)
{
    const NowPlaying playing = nowPlaying();
    if (microseconds > playing.lengthMicroseconds)
        request(controls.next);
    else if (controls.setPosition)
        request([this, microseconds] { controls.setPosition(std::max<qint64>(microseconds, 0)); });
}

void MprisService::announceChanges()
{
    if (!offered)
        return;
    const NowPlaying now = nowPlaying();
    QVariantMap changed;
    if (now.status != announced.status)
        changed.insert(QStringLiteral("PlaybackStatus"), playbackStatusText(now.status));
    if (!now.sameMetadata(announced))
        changed.insert(QStringLiteral("Metadata"), metadataMap(now));
    if (now.canSeek != announced.canSeek)
        changed.insert(QStringLiteral("CanSeek"), now.canSeek);
    if (now.rate != announced.rate)
        changed.insert(QStringLiteral("Rate"), now.rate);
    const double loudness = volume();
    if (loudness != announcedVolume)
        changed.insert(QStringLiteral("Volume"), loudness);
    announced = now;
    announcedVolume = loudness;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    bus.send(signal);
}

} // namespace korvida::qt
