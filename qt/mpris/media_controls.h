#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// What the desktop's media controls (the keyboard's media keys, the sound menu) may ask of
// the program, and what they are told about the item that plays.
namespace korvida::qt {

enum class PlaybackStatus {
    Stopped,
    Playing,
    Paused,
};

struct NowPlaying {
    PlaybackStatus status = PlaybackStatus::Stopped;
    // A D-Bus object path naming the loaded item; empty when nothing is loaded.
    QString trackId;
    QString title;
    QString artist;
    QString album;
    // A file URL of the item's picture, or empty.
    QString artUrl;
    qint64 lengthMicroseconds = 0;
    qint64 positionMicroseconds = 0;
    bool canSeek = false;
    // The speed the item plays at (1.0 when paused, as at the start of every item).
    double rate = 1.0;

    // Whether the two describe the same item alike (the position moves by itself and is not
    // announced).
    bool sameMetadata(const NowPlaying& other) const
    {
        return trackId == other.trackId && title == other.title && artist == other.artist && album == other.album &&
            artUrl == other.artUrl && lengthMicroseconds == other.lengthMicroseconds;
    }
};

// Each request goes to the operation a click on the matching control runs.
// The speeds the player's own fast buttons use are the bounds of every speed asked for.
inline constexpr double kMinimumRate = -6.0;
inline constexpr double kMaximumRate = 6.0;

struct MediaControls {
    std::function<void()> raise;
    std::function<void()> quit;
    std::function<void()> playPause;
    std::function<void()> play;
    std::function<void()> pause;
    std::function<void()> next;
    std::function<void()> previous;
    // Moves the loaded item to a position from its start.
    std::function<void(qint64 microseconds)> setPosition;
    // Plays the loaded item at a speed within the bounds below (negative: backwards).
    std::function<void(double rate)> setRate;
    // The loudness of playback, from 0.0 (silent) to 1.0 (full).
    std::function<double()> volume;
    std::function<void(double volume)> setVolume;
    std::function<NowPlaying()> nowPlaying;
};

} // namespace korvida::qt
