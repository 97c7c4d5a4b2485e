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

// Runs the event loop until the player has read the file or failed; true when it can play.
bool waitUntilLoaded(QMediaPlayer& player)
{
    auto settled = [&player] {
        const auto status = player.mediaStatus();
        return status != QMediaPlayer::LoadingMedia && status != QMediaPlayer::NoMedia;
    };
    if (!settled()) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
            if (settled())
                loop.quit();
        });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        timeout.start(kOpenTimeoutMs);
        const NestedLoop nested;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const auto status = player.mediaStatus();
    return player.error() == QMediaPlayer::NoError
        && (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia
            || status == QMediaPlayer::BufferingMedia || status == QMediaPlayer::EndOfMedia);
}

}  // namespace

PlayerMovie::PlayerMovie(std::unique_ptr<QMediaPlayer> mediaPlayer)
    : player(std::move(mediaPlayer))
{
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
    auto player = std::make_unique<QMediaPlayer>();
    player->setSource(QUrl::fromLocalFile(file));
    if (!waitUntilLoaded(*player))
        return nullptr;
    return std::make_shared<PlayerMovie>(std::move(player));
}

}  // namespace korvida::qt
