#include "qt/mpris/controller_media.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
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

// The item's position among the items of the player.
std::size_t positionOf(const MainApp& app, const InMedia* media)
{
    const auto found = std::find_if(app.mediasVisible.begin(), app.mediasVisible.end(),
                                    [media](const std::unique_ptr<InMedia>& item) { return item.get() == media; });
    return static_cast<std::size_t>(found - app.mediasVisible.begin());
}

// Named by its place among the player's items: the same item reads the same, and nothing
// about the program's memory shows on the bus.
QString trackIdOf(const MainApp& app, const InMedia& media)
{
    const std::size_t position = positionOf(app, &media);
    if (position == app.mediasVisible.size())
        return QStringLiteral("/org/korvida/track/loaded");
    return QStringLiteral("/org/korvida/track/%1").arg(position);
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
        now.artUrl = covers.urlFor(positionOf(app, media), app.inImage.get());
    else if (media->isThumbnailPhoto())
        now.artUrl = QUrl::fromLocalFile(QString::fromStdString(app.shownPicture.path())).toString();
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

// Plays the selected row, or the first row when none is selected, unless it plays already.
void playChosenRow(MainApp& app)
{
    if (app.medias.empty())
        return;
    int row = app.mediaTableView->selectedRow();
    if (row < 0 || row >= static_cast<int>(app.medias.size())) {
        row = 0;
        for (TableView* table : {app.mediaTableView.get(), app.mediaTableViewFullScreen.get()}) {
            table->selectRow(row, false);
            table->scrollRowToVisible(row);
        }
    }
    if (!app.playing || app.medias[row] != app.lastPlaydMedia)
        app.playButton(nullptr);
}

} // namespace

CoverFiles::CoverFiles(QString folder) : folder(std::move(folder))
{
    writer.setMaxThreadCount(1);
    // Pictures left behind by a run that did not end cleanly.
    removeCovers();
}

CoverFiles::~CoverFiles()
{
    writer.waitForDone();
    removeCovers();
}

void CoverFiles::removeCovers() const
{
    QDir covers(folder);
    for (const QString& name : covers.entryList({QStringLiteral("cover-*.png")}, QDir::Files | QDir::Hidden))
        covers.remove(name);
}

QString CoverFiles::urlFor(std::size_t position, const Image* picture)
{
    const std::shared_ptr<const void> pixels = picture != nullptr ? picture->platformImage() : nullptr;
    if (position == lastPosition && pixels == lastPicture)
        return lastUrl;
    lastPosition = position;
    lastPicture = pixels;
    lastUrl.clear();
    // One picture at a time: the last item's goes.
    if (!lastPath.isEmpty())
        QFile::remove(lastPath);
    lastPath.clear();
    const QImage* image = picture != nullptr ? qImageOf(*picture) : nullptr;
    if (image == nullptr || !QDir().mkpath(folder))
        return lastUrl;
    const int number = ++written;
    const QString path = QDir(folder).filePath(QStringLiteral("cover-%1-%2.png").arg(position).arg(number));
    writer.start([this, source = *image, path, number] {
        const QImage scaled = source.width() > kLargestSide || source.height() > kLargestSide
            ? source.scaled(kLargestSide, kLargestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
            : source;
        QSaveFile file(path);
        const bool saved = file.open(QIODevice::WriteOnly) && scaled.save(&file, "PNG") && file.commit();
        QMetaObject::invokeMethod(&receiver, [this, path, number, saved] {
            // A picture asked for meanwhile has taken its place.
            if (number != written) {
                QFile::remove(path);
                return;
            }
            if (saved) {
                lastPath = path;
                lastUrl = QUrl::fromLocalFile(path).toString();
            }
        });
    });
    return lastUrl;
}

MediaControls mediaControlsOf(MainApp& app, std::function<void()> raise, CoverFiles& covers)
{
    MediaControls controls;
    controls.raise = std::move(raise);
    controls.quit = [&app] {
        app.quit(nullptr);
    };
    // A pause pauses what plays, whichever row is chosen.
    controls.playPause = [&app] {
        if (app.playing)
            app.pausePlayback();
        else
            playChosenRow(app);
    };
    controls.play = [&app] {
        playChosenRow(app);
    };
    controls.pause = [&app] {
        if (app.playing)
            app.pausePlayback();
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
