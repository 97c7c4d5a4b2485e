#include "qt/services/qt_movies.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QImageReader>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>

#include <algorithm>
#include <limits>

namespace korvida::qt {

namespace {

// A loaded file whose duration has not come by then has none (a stream).
constexpr int kDurationGraceMs = 1000;
// Backwards play: one step of the position every tick of this clock.
constexpr int kReverseStepMs = 100;
// How far short of its end a movie may be by the clock and still have played to it: the
// controller looks once a tick, and a player reports its position in steps.
constexpr qint64 kEndSlackMs = 1000;
// An end reported this long without having played there is no passing report of a load.
constexpr qint64 kEarlyEndSettleMs = 1500;
// A seek shows its target for this long, while the player gets there.
constexpr qint64 kSeekShownMs = 1000;

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
        if (player->duration() > 0)
            durationGrace->stop();
        else if (loaded(*player) && !durationGiven && !durationGrace->isActive())
            durationGrace->start();
        infoArrived();
    };
    QObject::connect(player.get(), &QMediaPlayer::playbackStateChanged, player.get(),
                     [this] { followPlaybackState(); });
    QObject::connect(player.get(), &QMediaPlayer::mediaStatusChanged, player.get(), [this] { followPlaybackState(); });
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
    fileToOpen = file;
    QTimer::singleShot(0, player.get(), [this] { openFile(); });
}

void PlayerMovie::openFile()
{
    if (fileToOpen.isEmpty())
        return;
    player->setSource(QUrl::fromLocalFile(fileToOpen));
    fileToOpen.clear();
}

bool PlayerMovie::hasDuration() const
{
    return player->duration() > 0 || durationGiven || failed();
}

bool PlayerMovie::failed() const
{
    return korvida::qt::failed(*player);
}

void PlayerMovie::followPlaybackState()
{
    const auto status = player->mediaStatus();
    const bool runsNow = player->playbackState() == QMediaPlayer::PlayingState &&
        (status == QMediaPlayer::BufferedMedia || status == QMediaPlayer::BufferingMedia);
    if (runsNow && !playClock.isValid()) {
        playClock.start();
    } else if (!runsNow && playClock.isValid()) {
        ranBefore += playClock.elapsed();
        playClock.invalidate();
    }
    if (status != QMediaPlayer::EndOfMedia)
        endSince.invalidate();
    else if (!endSince.isValid())
        endSince.start();
}

qint64 PlayerMovie::positionByClock() const
{
    const qint64 ran = ranBefore + (playClock.isValid() ? playClock.elapsed() : 0);
    return clockStart + static_cast<qint64>(static_cast<double>(ran) * playRate);
}

void PlayerMovie::restartClock(qint64 position)
{
    clockStart = position;
    ranBefore = 0;
    if (playClock.isValid())
        playClock.restart();
}

bool PlayerMovie::endReported() const
{
    const qint64 duration = player->duration();
    return duration > 0 && (player->mediaStatus() == QMediaPlayer::EndOfMedia || player->position() >= duration);
}

bool PlayerMovie::atEnd() const
{
    if (playRate <= 0.0f || !endReported())
        return false;
    // Only the time the movie has run shows that it got there; a report right after a load,
    // or after a seek far from the end, is none.
    const qint64 duration = player->duration();
    const qint64 slack = std::min(static_cast<qint64>(kEndSlackMs * std::max(1.0f, playRate)), duration / 2);
    return positionByClock() >= duration - slack;
}

bool PlayerMovie::endedEarly() const
{
    return player->mediaStatus() == QMediaPlayer::EndOfMedia && endSince.isValid() &&
        endSince.elapsed() >= kEarlyEndSettleMs && !atEnd();
}

std::int32_t PlayerMovie::getMovieTime() const
{
    if (seekTarget >= 0 && seekShown.isValid() && seekShown.elapsed() < kSeekShownMs)
        return clampToMovieTime(seekTarget);
    // A player that has run to the end may put its position back; the movie stays at its end.
    if (atEnd())
        return clampToMovieTime(player->duration());
    return clampToMovieTime(std::min(player->position(), std::max<qint64>(player->duration(), 0)));
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
    seekTarget = time;
    seekShown.start();
    restartClock(time);
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
    if (rate != playRate) {
        // The clock goes on from where the movie is by it, at the new rate.
        restartClock(std::max<qint64>(positionByClock(), 0));
        playRate = rate;
    }
    // A new rate takes effect at once only on a running movie; a stopped one starts at it.
    if (running)
        play();
}

void PlayerMovie::play()
{
    if (playRate < 0.0f) {
        openFile();
        player->pause();
        reverseClock->start();
        return;
    }
    reverseClock->stop();
    openFile();
    // A movie that has played to its end stays there: playing it again would start it over.
    if (atEnd())
        return;
    if (player->playbackRate() != static_cast<qreal>(playRate))
        player->setPlaybackRate(playRate);
    player->play();
}

void PlayerMovie::stepBackwards()
{
    const qint64 step = static_cast<qint64>(-playRate * kReverseStepMs);
    const qint64 target = player->position() - step;
    player->setPosition(target > 0 ? target : 0);
    restartClock(target > 0 ? target : 0);
    if (target <= 0)
        reverseClock->stop();
}

void PlayerMovie::showIn(QVideoWidget* widget)
{
    if (widget == shownIn)
        return;
    if (shownIn != nullptr && shownIn->videoSink()->videoFrame().isValid())
        lastPicture = shownIn->videoSink()->videoFrame();
    shownIn = widget;
    const qint64 position = player->position();
    const bool opened = loaded(*player) && player->hasVideo();
    player->setVideoOutput(widget);
    openFile();
    if (!opened || widget == nullptr)
        return;
    // A film moved to another picture keeps its place; a paused one gets no new picture from
    // the player, so it is given the one it showed.
    player->setPosition(position);
    if (player->playbackState() != QMediaPlayer::PlayingState && lastPicture.isValid())
        widget->videoSink()->setVideoFrame(lastPicture);
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
