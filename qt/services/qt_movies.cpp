#include "qt/services/qt_movies.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QImageReader>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <algorithm>
#include <limits>

namespace korvida::qt {

namespace {

// A loaded file whose duration has not come by then has none (a stream).
constexpr int kDurationGraceMs = 1000;
// Backwards play: one step of the position every tick of this clock.
constexpr int kReverseStepMs = 100;

std::int32_t clampToMovieTime(qint64 ms)
{
    if (ms > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return ms < 0 ? 0 : static_cast<std::int32_t>(ms);
}

Rect boundsOfSize(const QSize& size)
{
    if (!size.isValid())
        return {};
    return makeRect(0.0f, 0.0f, static_cast<float>(size.width()), static_cast<float>(size.height()));
}

bool failed(const QMediaPlayer& player)
{
    return player.error() != QMediaPlayer::NoError || player.mediaStatus() == QMediaPlayer::InvalidMedia;
}

bool loaded(const QMediaPlayer& player)
{
    const auto status = player.mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia ||
        status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::EndOfMedia;
}

} // namespace

PlayerMovie::PlayerMovie() : player(std::make_unique<QMediaPlayer>())
{
    // Attached before the file is given: the player decodes nothing without it.
    audio = new QAudioOutput(player.get());
    player->setAudioOutput(audio);
    reverseClock = new QTimer(player.get());
    reverseClock->setInterval(kReverseStepMs);
    QObject::connect(reverseClock, &QTimer::timeout, player.get(), [this] { stepBackwards(); });
    durationGrace = new QTimer(player.get());
    durationGrace->setSingleShot(true);
    durationGrace->setInterval(kDurationGraceMs);
    QObject::connect(durationGrace, &QTimer::timeout, player.get(), [this] {
        durationGiven = true;
        infoArrived();
    });
    auto learned = [this] {
        if (loaded(*player) && player->duration() <= 0 && !durationGiven && !durationGrace->isActive())
            durationGrace->start();
        infoArrived();
    };
    QObject::connect(player.get(), &QMediaPlayer::mediaStatusChanged, player.get(), learned);
    QObject::connect(player.get(), &QMediaPlayer::durationChanged, player.get(), learned);
    QObject::connect(player.get(), &QMediaPlayer::errorOccurred, player.get(), learned);
    QObject::connect(player.get(), &QMediaPlayer::tracksChanged, player.get(), learned);
    QObject::connect(player.get(), &QMediaPlayer::metaDataChanged, player.get(), learned);
}

PlayerMovie::~PlayerMovie()
{
    // Stopping reports a new state; nobody is to hear of it any more.
    setInfoHandler({});
    player->stop();
}

void PlayerMovie::load(const QString& file)
{
    player->setSource(QUrl::fromLocalFile(file));
}

bool PlayerMovie::hasDuration() const
{
    return player->duration() > 0 || durationGiven || failed();
}

bool PlayerMovie::failed() const
{
    return korvida::qt::failed(*player);
}

std::int32_t PlayerMovie::getMovieTime() const
{
    // A player that has run to the end may put its position back; the movie stays at its end.
    if (player->mediaStatus() == QMediaPlayer::EndOfMedia && player->duration() > 0)
        return clampToMovieTime(player->duration());
    return clampToMovieTime(player->position());
}

std::int32_t PlayerMovie::getMovieDuration() const
{
    return clampToMovieTime(player->duration());
}

Rect PlayerMovie::getMovieNaturalBoundsRect() const
{
    if (!player->hasVideo())
        return {};
    QSize size = player->metaData().value(QMediaMetaData::Resolution).toSize();
    if (!size.isValid()) {
        const auto tracks = player->videoTracks();
        if (!tracks.isEmpty())
            size = tracks.first().value(QMediaMetaData::Resolution).toSize();
    }
    return boundsOfSize(size);
}

void PlayerMovie::setMovieTimeValue(std::int32_t time)
{
    player->setPosition(time);
}

void PlayerMovie::start()
{
    running = true;
    play();
}

void PlayerMovie::stop()
{
    running = false;
    reverseClock->stop();
    player->pause();
}

void PlayerMovie::setVolume(float volume)
{
    audio->setVolume(volume);
}

float PlayerMovie::rate() const
{
    return running ? playRate : 0.0f;
}

void PlayerMovie::setRate(float rate)
{
    if (rate == 0.0f) {
        stop();
        return;
    }
    playRate = rate;
    // A new rate takes effect at once only on a running movie; a stopped one starts at it.
    if (running)
        play();
}

void PlayerMovie::play()
{
    if (playRate < 0.0f) {
        player->pause();
        reverseClock->start();
        return;
    }
    reverseClock->stop();
    player->setPlaybackRate(playRate);
    player->play();
}

void PlayerMovie::stepBackwards()
{
    const qint64 step = static_cast<qint64>(-playRate * kReverseStepMs);
    const qint64 target = player->position() - step;
    player->setPosition(target > 0 ? target : 0);
    if (target <= 0)
        reverseClock->stop();
}

void PlayerMovie::showIn(QVideoWidget* widget)
{
    player->setVideoOutput(widget);
}

Rect StillMovie::getMovieNaturalBoundsRect() const
{
    return boundsOfSize(picture.size());
}

void StillMovie::setRate(float rate)
{
    if (rate == 0.0f) {
        running = false;
        return;
    }
    playRate = rate;
    running = true;
}

std::shared_ptr<Movie> QtMovies::openMovie(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    QImageReader reader(file);
    // Tunes are not pictures, but some readers claim odd files; a still picture must also
    // decode.
    if (reader.canRead()) {
        QImage picture = reader.read();
        if (!picture.isNull())
            return std::make_shared<StillMovie>(std::move(picture));
    }
    if (!QFileInfo(file).isFile())
        return nullptr;
    auto movie = std::make_shared<PlayerMovie>();
    movie->setVolume(loudness);
    movie->load(file);
    std::erase_if(opened, [](const std::weak_ptr<PlayerMovie>& old) { return old.expired(); });
    opened.push_back(movie);
    return movie;
}

void QtMovies::setVolume(float volume)
{
    loudness = std::clamp(volume, 0.0f, 1.0f);
    for (const std::weak_ptr<PlayerMovie>& weak : opened)
        if (const std::shared_ptr<PlayerMovie> movie = weak.lock())
            movie->setVolume(loudness);
}

} // namespace korvida::qt
