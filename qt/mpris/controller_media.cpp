#include "qt/mpris/controller_media.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <algorithm>

#include "qt/services/qt_images.h"

namespace korvida::qt {

namespace {

constexpr double kMicroseconds = 1'000'000.0;

qint64 toMicroseconds(const Movie& movie, std::int32_t time)
{
    const std::int32_t scale = movie.getMovieTimeScale();
    return scale > 0 ? static_cast<qint64>(static_cast<double>(time) / scale * kMicroseconds) : 0;
}

// Named by its place among the player's items: the same item reads the same, and nothing
// about the program's memory shows on the bus.
QString trackIdOf(const MainApp& app, const InMedia& media)
{
    const auto at = std::find(app.allMedias.begin(), app.allMedias.end(), &media);
    if (at == app.allMedias.end())
        return QStringLiteral("/org/korvida/track/loaded");
    return QStringLiteral("/org/korvida/track/%1").arg(at - app.allMedias.begin());
}

NowPlaying nowPlayingOf(const MainApp& app, CoverFiles& covers)
{
    NowPlaying now;
    const InMedia* media = app.lastPlaydMedia;
    if (media == nullptr)
        return now;
    now.status = app.playing ? PlaybackStatus::Playing : PlaybackStatus::Paused;
    now.trackId = trackIdOf(app, *media);
    now.title = QString::fromStdString(media->getCleanName());
    now.artist = QString::fromStdString(media->getArtist());
    now.album = QString::fromStdString(media->getAlbum());
    if (media->getMediaType() == InMedia::kMusic)
        now.artUrl = covers.urlFor(now.trackId, app.inImage.get());
    else if (media->getMediaType() != InMedia::kMovie)
        now.artUrl = QUrl::fromLocalFile(QString::fromStdString(media->getPath())).toString();
    if (const Movie* movie = app.visibleMovie.get(); movie != nullptr && movie->hasDuration()) {
        now.lengthMicroseconds = toMicroseconds(*movie, movie->getMovieDuration());
        now.positionMicroseconds = toMicroseconds(*movie, movie->getMovieTime());
    }
    if (const Movie* movie = app.visibleMovie.get(); movie != nullptr && movie->rate() != 0.0f)
        now.rate = movie->rate();
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
    controls.setRate = [&app](double rate) {
        // As the fast buttons do, on both views, so the full screen plays alike.
        app.mainMovieView->setRate(static_cast<float>(rate));
        app.fullScreenMovieView->setRate(static_cast<float>(rate));
    };
    controls.nowPlaying = [&app, &covers] {
        return nowPlayingOf(app, covers);
    };
    return controls;
}

} // namespace korvida::qt
