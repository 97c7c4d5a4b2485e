#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include "qt/mpris/media_controls.h"

// The two D-Bus interfaces through which the desktop's media keys and sound menu control
// Korvida, on the object /org/mpris/MediaPlayer2. Their names and members are the ones
// those desktop components call, so they cannot be ours to choose.
namespace korvida::qt {

class MprisService;

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ supportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ supportedMimeTypes)
public:
    MprisRootAdaptor(QObject* object, const MediaControls& controls);

    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    QString identity() const { return QStringLiteral("Korvida"); }
    QString desktopEntry() const { return QStringLiteral("korvida"); }
    QStringList supportedUriSchemes() const { return {}; }
    QStringList supportedMimeTypes() const { return {}; }

public slots:
    void Raise();
    void Quit();

private:
    const MediaControls& controls;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ minimumRate)
    Q_PROPERTY(double MaximumRate READ maximumRate)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canControl)
    Q_PROPERTY(bool CanGoPrevious READ canControl)
    Q_PROPERTY(bool CanPlay READ canControl)
    Q_PROPERTY(bool CanPause READ canControl)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    MprisPlayerAdaptor(QObject* object, MprisService& service);

    QString playbackStatus() const;
    double rate() const;
    void setRate(double rate);
    double minimumRate() const { return kMinimumRate; }
    double maximumRate() const { return kMaximumRate; }
    double volume() const;
    void setVolume(double volume);
    QVariantMap metadata() const;
    qlonglong position() const;
    bool canControl() const { return true; }
    bool canSeek() const;

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    // No address is opened: the supported schemes are none, and the call says so.
    void OpenUri(const QString& Uri, const QDBusMessage& message);

signals:
    void Seeked(qlonglong Position);

private:
    MprisService& service;
};

// The playback state as the desktop reads it ("Playing", "Paused", ...) and the metadata map
// of a playing item under the keys the desktop looks up.
QString playbackStatusText(PlaybackStatus status);
QVariantMap metadataMap(const NowPlaying& playing);

// The position an offset from the current one asks for, held at the ends of the number range
// instead of wrapping around.
qint64 offsetPosition(qint64 position, qint64 offset);

} // namespace korvida::qt
