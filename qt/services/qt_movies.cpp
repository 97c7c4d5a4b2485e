#include "qt/services/qt_movies.h"

#include "qt/services/qt_main_thread.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QImageReader>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoWidget>

#include <limits>

namespace korvida::qt {

namespace {

// How long to wait for the player to know a file before taking it as unreadable.
constexpr int kOpenTimeoutMs = 5000;
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
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia
        || status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::EndOfMedia;
}

// Runs the event loop until the player has read the file and knows its duration, or has
// failed; true when it can play. The duration may follow the loaded state a moment later.
bool waitUntilLoaded(QMediaPlayer& player)
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    bool graceStarted = false;
    auto settle = [&] {
        if (failed(player) || (loaded(player) && player.duration() > 0)) {
            loop.quit();
        } else if (loaded(player) && !graceStarted) {
            graceStarted = true;
            timeout.start(kDurationGraceMs);
        }
    };
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, settle);
    QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, settle);
    QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, settle);
    timeout.start(kOpenTimeoutMs);
    settle();
    if (timeout.isActive() && !failed(player) && !(loaded(player) && player.duration() > 0)) {
        const NestedLoop nested;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return !failed(player) && loaded(player);
}

}  // namespace

PlayerMovie::PlayerMovie() : player(std::make_unique<QMediaPlayer>())
{
    // Attached before the file is given: the player decodes nothing without it.
    audio = new QAudioOutput(player.get());
    player->setAudioOutput(audio);
    reverseClock = new QTimer(player.get());
    reverseClock->setInterval(kReverseStepMs);
    QObject::connect(reverseClock, &QTimer::timeout, player.get(), [this] { stepBackwards(); });
}

PlayerMovie::~PlayerMovie()
{
    player->stop();
}

bool PlayerMovie::load(const QString& file)
{
    player->setSource(QUrl::fromLocalFile(file));
    return waitUntilLoaded(*player);
}

std::int32_t PlayerMovie::getMovieTime() const
{
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
    running = true;
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
    auto movie = std::make_shared<PlayerMovie>();
    if (!movie->load(file))
        return nullptr;
    return movie;
}

}  // namespace korvida::qt
