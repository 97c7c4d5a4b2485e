#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QVideoFrame>

#include <memory>
#include <vector>

#include "platform/movie.h"

class QAudioOutput;
class QMediaPlayer;
class QTimer;
class QVideoWidget;

namespace korvida::qt {

// Movie times in the Qt movies are milliseconds.
constexpr std::int32_t kMovieTimeScale = 1000;

// A tune or a film played by Qt Multimedia through its GStreamer backend (Qt's default here;
// the FFmpeg backend of Qt 6.4 crashes where no sound device is found). The player decodes
// only with an audio output attached, so every movie has one, whether or not it has sound.
class PlayerMovie : public Movie {
public:
    PlayerMovie();
    ~PlayerMovie() override;

    // Starts reading the file and returns at once; what the player learns of it later
    // (duration, picture size, failure) is reported through the info handler. The file is
    // given to the player once its picture has a place (or it is started, or the event loop
    // turns): GStreamer's player ends at once when a video output comes after the file.
    void load(const QString& file);

    std::int32_t getMovieTime() const override;
    std::int32_t getMovieDuration() const override;
    std::int32_t getMovieTimeScale() const override { return kMovieTimeScale; }
    Rect getMovieNaturalBoundsRect() const override;
    void setMovieTimeValue(std::int32_t time) override;

    void start() override;
    void stop() override;
    float rate() const override;
    void setRate(float rate) override;
    bool hasDuration() const override;
    bool failed() const override;
    bool atEnd() const override;
    bool endedEarly() const override;

    // Shows the picture of the film in this widget (the last one given wins); the film keeps
    // its position and whether it runs, and a paused film shows its current picture there.
    void showIn(QVideoWidget* widget);
    // From 0.0 (silent) to 1.0 (full).
    void setVolume(float volume);

private:
    // Gives the player the file loaded, if it does not have it yet.
    void openFile();
    void play();
    void stepBackwards();
    bool endReported() const;
    // The position the movie should have reached by the time it has run since the last start,
    // seek or change of rate: the evidence that an end reported is a real one.
    qint64 positionByClock() const;
    void restartClock(qint64 position);
    void followPlaybackState();

    std::unique_ptr<QMediaPlayer> player;
    QAudioOutput* audio = nullptr;
    // Played backwards by stepping the position, since the players cannot run in reverse.
    QTimer* reverseClock = nullptr;
    // A loaded file whose duration has not come within a grace period has none (a stream).
    QTimer* durationGrace = nullptr;
    bool durationGiven = false;
    float playRate = 1.0f;
    bool running = false;
    QVideoWidget* shownIn = nullptr;
    // The picture last shown, carried to the next widget: the player clears the widget it
    // leaves and, while paused, sends the new one nothing until it runs again.
    QVideoFrame lastPicture;
    QString fileToOpen;

    // Runs while the player really plays; with `clockStart`, where the movie was when it began
    // to run at the present rate, and `ranBefore`, how long it had run at it before a pause.
    QElapsedTimer playClock;
    qint64 clockStart = 0;
    qint64 ranBefore = 0;
    // When the player last reported its end; invalid while it has not.
    QElapsedTimer endSince;
    // A seek the player has not reached yet: the movie is already there.
    qint64 seekTarget = -1;
    QElapsedTimer seekShown;
};

// A still picture opened as a movie: it has no running time (duration 0), so it counts as
// having reached its end from the start; its natural size is the picture's.
class StillMovie : public Movie {
public:
    explicit StillMovie(QImage picture) : picture(std::move(picture)) {}

    std::int32_t getMovieTime() const override { return 0; }
    std::int32_t getMovieDuration() const override { return 0; }
    std::int32_t getMovieTimeScale() const override { return kMovieTimeScale; }
    Rect getMovieNaturalBoundsRect() const override;
    void setMovieTimeValue(std::int32_t) override {}

    void start() override { running = true; }
    void stop() override { running = false; }
    float rate() const override { return running ? playRate : 0.0f; }
    void setRate(float rate) override;

    const QImage& image() const { return picture; }

private:
    QImage picture;
    float playRate = 1.0f;
    bool running = false;
};

// Opens files as movies: still pictures by their image reader, everything else through the
// media player. Nothing waits for the player: the movie is handed over while it opens, so no
// event loop runs inside the controller's actions.
class QtMovies : public Movies {
public:
    std::shared_ptr<Movie> openMovie(const std::string& path) override;

    // The loudness of every movie, those open now and those opened later: 0.0 to 1.0.
    float volume() const { return loudness; }
    void setVolume(float volume);

private:
    float loudness = 1.0f;
    std::vector<std::weak_ptr<PlayerMovie>> opened;
};

} // namespace korvida::qt
