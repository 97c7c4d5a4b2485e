#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include "qt/mpris/media_controls.h"

namespace korvida::qt {

class MprisPlayerAdaptor;

// Offers the program's playback to the desktop as the MPRIS 2 player
// org.mpris.MediaPlayer2.korvida on a bus. Without a bus, or when the name is taken, nothing is
// offered and nothing fails. Changes of the playing item and its state are announced with
// PropertiesChanged, looked for after every request and once a second.
class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.korvida";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    MprisService(QDBusConnection bus, MediaControls controls, QObject* parent = nullptr);
    ~MprisService() override;

    // Whether the player is on the bus.
    bool isOffered() const { return offered; }

    const MediaControls& mediaControls() const { return controls; }
    NowPlaying nowPlaying() const;
    // The loudness of playback, 0.0 to 1.0.
    double volume() const;

    // Runs one request of the desktop, then announces what it changed.
    void request(const std::function<void()>& action);
    // Moves to a position, as a seek asks for; past the end it moves on to the next item.
    void seekTo(qint64 microseconds);
    // Announces the changed properties since the last announcement.
    void announceChanges();
    // Sends the answer to a call whose reply was held back.
    void reply(const QDBusMessage& answer) { bus.send(answer); }

private:
    QDBusConnection bus;
    MediaControls controls;
    MprisPlayerAdaptor* player = nullptr;
    NowPlaying announced;
    double announcedVolume = 1.0;
    QTimer watch;
    bool offered = false;
};

} // namespace korvida::qt
