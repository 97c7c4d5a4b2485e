#include "qt/mpris/mpris_adaptors.h"

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
    service.seekTo(playing.positionMicroseconds + Offset);
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

} // namespace korvida::qt
