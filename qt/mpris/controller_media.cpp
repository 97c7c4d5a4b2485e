#include "qt/mpris/controller_media.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include "qt/services/qt_images.h"

namespace korvida::qt {

namespace {

constexpr double kMicroseconds = 1'000'000.0;

qint64 toMicroseconds(const Movie& movie, std::int32_t time)
{
    const std::int32_t scale = movie.getMovieTimeScale();
    return scale > 0 ? static_cast<qint64>(static_cast<double>(time) / scale * kMicroseconds) : 0;
}

NowPlaying nowPlayingOf(const MainApp& app, CoverFiles& covers)
{
    NowPlaying now;
    const InMedia* media = app.lastPlaydMedia;
    if (media == nullptr)
        return now;
    now.status = app.playing ? PlaybackStatus::Playing : PlaybackStatus::Paused;
    now.trackId = QStringLiteral("/org/korvida/track/") + QString::number(reinterpret_cast<quintptr>(media), 16);
    now.title = QString::fromStdString(media->getCleanName());
    now.artist = QString::fromStdString(media->getArtist());
    now.album = QString::fromStdString(media->getAlbum());
    if (media->getMediaType() == InMedia::kMusic)
        now.artUrl = covers.urlFor(now.trackId, app.inImage.get());
    else if (media->isThumbnailPhoto())
        now.artUrl = QUrl::fromLocalFile(QString::fromStdString(app.shownPicture.path())).toString();
    else if (media->getMediaType() != InMedia::kMovie)
        now.artUrl = QUrl::fromLocalFile(QString::fromStdString(media->getPath())).toString();
    if (const Movie* movie = app.visibleMovie.get(); movie != nullptr && movie->hasDuration()) {
        now.lengthMicroseconds = toMicroseconds(*movie, movie->getMovieDuration());
        now.positionMicroseconds = toMicroseconds(*movie, movie->getMovieTime());
    }
    now.canSeek = app.whatIsTypeIsPlaying != 3 && now.lengthMicroseconds > 0;
    return now;
}

void moveTo(MainApp& app, qint64 microseconds)
{
    if (!app.visibleMovie)
        return;
    const double time = static_cast<double>(microseconds) / kMicroseconds * app.visibleMovie->getMovieTimeScale();
    app.timeSlider->setDoubleValue(time);
    app.timeSliderSlider(app.timeSlider.get());
}

} // namespace

QString CoverFiles::urlFor(const QString& key, const Image* picture)
{
    if (key == lastKey)
        return lastUrl;
    lastKey = key;
    lastUrl.clear();
    // One picture at a time: the last item's goes.
    if (!lastPath.isEmpty())
        QFile::remove(lastPath);
    lastPath.clear();
    const QImage* pixels = picture != nullptr ? qImageOf(*picture) : nullptr;
    if (pixels == nullptr || !QDir().mkpath(folder))
        return lastUrl;
    const QString path = QDir(folder).filePath(QStringLiteral("cover-%1.png").arg(key.section(QLatin1Char('/'), -1)));
    if (pixels->save(path, "PNG")) {
        lastPath = path;
        lastUrl = QUrl::fromLocalFile(path).toString();
    }
    return lastUrl;
}

MediaControls mediaControlsOf(MainApp& app, std::function<void()> raise, CoverFiles& covers)
{
    MediaControls controls;
    controls.raise = std::move(raise);
    controls.quit = [&app] {
        app.quit(nullptr);
    };
    controls.playPause = [&app] {
        app.playButton(nullptr);
    };
    controls.play = [&app] {
        if (!app.playing)
            app.playButton(nullptr);
    };
    controls.pause = [&app] {
        if (app.playing)
            app.playButton(nullptr);
    };
    controls.next = [&app] {
        app.nextButton(nullptr);
    };
    controls.previous = [&app] {
        app.backButton(nullptr);
    };
    controls.setPosition = [&app](qint64 microseconds) {
        moveTo(app, microseconds);
    };
    controls.nowPlaying = [&app, &covers] {
        return nowPlayingOf(app, covers);
    };
    return controls;
}

} // namespace korvida::qt
