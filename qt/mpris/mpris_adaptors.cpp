#include "qt/mpris/mpris_adaptors.h"

#include <QDBusError>

#include <algorithm>
#include <cmath>
#include <limits>

#include "qt/mpris/mpris_service.h"

namespace korvida::qt {

QString playbackStatusText(PlaybackStatus status)
{
    switch (status) {
    case PlaybackStatus::Playing: return QStringLiteral("Playing");
    case PlaybackStatus::Paused: return QStringLiteral("Paused");
    case PlaybackStatus::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap metadataMap(const NowPlaying& playing)
{
    QVariantMap map;
    if (playing.trackId.isEmpty())
        return map;
    map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(playing.trackId)));
    if (playing.lengthMicroseconds > 0)
        map.insert(QStringLiteral("mpris:length"),
                   QVariant::fromValue(static_cast<qlonglong>(playing.lengthMicroseconds)));
    map.insert(QStringLiteral("xesam:title"), playing.title);
    if (!playing.artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{playing.artist});
    if (!playing.album.isEmpty())
        map.insert(QStringLiteral("xesam:album"), playing.album);
    if (!playing.artUrl.isEmpty())
        map.insert(QStringLiteral("mpris:artUrl"), playing.artUrl);
    return map;
}

qint64 offsetPosition(qint64 position, qint64 offset)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(position, offset, &sum))
        return offset > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

MprisRootAdaptor::MprisRootAdaptor(QObject* object, const MediaControls& controls)
    : QDBusAbstractAdaptor(object), controls(controls)
{}

void MprisRootAdaptor::Raise()
{
    if (controls.raise)
        controls.raise();
}

void MprisRootAdaptor::Quit()
{
    if (controls.quit)
        controls.quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* object, MprisService& service)
    : QDBusAbstractAdaptor(object), service(service)
{}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return playbackStatusText(service.nowPlaying().status);
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return metadataMap(service.nowPlaying());
}

double MprisPlayerAdaptor::rate() const
{
    return service.nowPlaying().rate;
}

void MprisPlayerAdaptor::setRate(double rate)
{
    // A rate of 0 is a pause; one outside the bounds is held at the nearest bound.
    if (std::isnan(rate))
        return;
    if (rate == 0.0) {
        service.request(service.mediaControls().pause);
        return;
    }
    const MediaControls& controls = service.mediaControls();
    if (controls.setRate)
        service.request([&controls, rate] { controls.setRate(std::clamp(rate, kMinimumRate, kMaximumRate)); });
}

double MprisPlayerAdaptor::volume() const
{
    return service.volume();
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    const MediaControls& controls = service.mediaControls();
    if (!std::isnan(volume) && controls.setVolume)
        service.request([&controls, volume] { controls.setVolume(std::clamp(volume, 0.0, 1.0)); });
}

qlonglong MprisPlayerAdaptor::position() const
{
    return service.nowPlaying().positionMicroseconds;
}

bool MprisPlayerAdaptor::canSeek() const
{
    return service.nowPlaying().canSeek;
}

void MprisPlayerAdaptor::Next()
{
    service.request(service.mediaControls().next);
}

void MprisPlayerAdaptor::Previous()
{
    service.request(service.mediaControls().previous);
}

void MprisPlayerAdaptor::Pause()
{
    service.request(service.mediaControls().pause);
}

void MprisPlayerAdaptor::PlayPause()
{
    service.request(service.mediaControls().playPause);
}

// Korvida has no stopped state of its own: a stop pauses.
void MprisPlayerAdaptor::Stop()
{
    service.request(service.mediaControls().pause);
}

void MprisPlayerAdaptor::Play()
{
    service.request(service.mediaControls().play);
}

void MprisPlayerAdaptor::Seek(qlonglong Offset)
{
    const NowPlaying playing = service.nowPlaying();
    if (!playing.canSeek)
        return;
    service.seekTo(offsetPosition(playing.positionMicroseconds, Offset));
    emit Seeked(service.nowPlaying().positionMicroseconds);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position)
{
    const NowPlaying playing = service.nowPlaying();
    // A request for an item that no longer plays, or outside the item, is ignored.
    if (!playing.canSeek || TrackId.path() != playing.trackId || Position < 0 || Position > playing.lengthMicroseconds)
        return;
    service.seekTo(Position);
    emit Seeked(service.nowPlaying().positionMicroseconds);
}

void MprisPlayerAdaptor::OpenUri(const QString& /*Uri*/, const QDBusMessage& message)
{
    message.setDelayedReply(true);
    service.reply(message.createErrorReply(QDBusError::NotSupported, QStringLiteral("Korvida opens no addresses")));
}

} // namespace korvida::qt
