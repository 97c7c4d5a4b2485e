#include "app/main_app.h"

#include "copy/item_source.h"
#include "copy/player_file.h"
#include "picture/stored_picture_load.h"
#include "playback/broken_name.h"
#include "playback/placeholder_movies.h"
#include "presentation/fitting.h"

using korvida::makeRect;

namespace {

// What the movie knows of itself after it was opened: the sliders' range, and the movie
// view's frame in the window now that its natural size is known.
void takeMovieInfo(MainApp& app)
{
    if (!app.visibleMovie || !app.visibleMovie->hasDuration())
        return;
    const double duration = app.visibleMovie->getMovieDuration();
    app.timeSlider->setMaxValue(duration);
    app.timeSliderControllPanel->setMaxValue(duration);
    app.displayTime();
    if (!app.fullScreen && app.whatIsTypeIsPlaying != 2)
        app.dragingWindow();
}

void showTunePicture(MainApp& app, const std::string& path)
{
    app.getID3Image(path);
    (app.fullScreen ? static_cast<korvida::View&>(*app.fullScreenMovieView) : *app.mainMovieView).setHidden(true);
    app.placeTunePicture();
}

void showMoviePicture(MainApp& app)
{
    if (!app.fullScreen) {
        app.mainMovieView->setHidden(false);
        app.inImage = nullptr;
        app.inImageView->setImage(nullptr);
    } else {
        app.fullScreenMovieView->setHidden(false);
        app.inImageViewFullScreen->setImage(nullptr);
    }
}

void showVisibleMovie(MainApp& app, std::shared_ptr<korvida::Movie> movie)
{
    if (app.visibleMovie)
        app.visibleMovie->setInfoHandler({});
    app.visibleMovie = std::move(movie);
    app.visibleMovie->setInfoHandler([&app] { takeMovieInfo(app); });
    // A movie still opening has no duration yet; its range and times follow when it is known.
    app.clearTimeDisplay();
    takeMovieInfo(app);
    (app.fullScreen ? static_cast<korvida::MovieView&>(*app.fullScreenMovieView) : *app.mainMovieView)
        .setMovie(app.visibleMovie);
}

void openVisibleMovie(MainApp& app, const std::string& path)
{
    std::shared_ptr<korvida::Movie> movie = app.services.movies.openMovie(path);
    showVisibleMovie(app, movie ? std::move(movie) : std::make_shared<korvida::FailedMovie>());
}

void start(MainApp& app);

// A photo kept only as thumbnails is played from its picture, decoded and written as a PNG
// file on the picture thread, so that the window never waits for it; until then an empty
// movie stands in. The file is opened when it is ready, unless another item was loaded since.
void loadThumbnailPhoto(MainApp& app, const InMedia& media)
{
    showVisibleMovie(app, std::make_shared<korvida::PendingMovie>());
    app.pictureThread.run([&app, &shown = app.shownPicture, picture = *media.getStoredPicture(),
                           file = korvida::resolveItemFile(media, app.state.iPodPath)]() -> std::function<void()> {
        std::string path = file ? shown.write(korvida::loadStoredPicture(picture, *file)) : std::string();
        return [&app, path = std::move(path)] {
            openVisibleMovie(app, path);
            if (app.playing)
                start(app);
        };
    });
}

void loadMedia(MainApp& app, InMedia& media)
{
    app.endStartupSound();
    app.reopenedAfterEarlyEnd = false;
    if (app.lastPlaydMedia != nullptr)
        app.lastPlaydMedia->setIsPlaying(false);
    app.lastPlaydMedia = &media;
    media.setIsPlaying(true);
    app.corentlyPlaing->setStringValue(media.getCleanName());

    const int type = media.getMediaType();
    app.whatIsTypeIsPlaying = type == InMedia::kMovie ? 1 : type == InMedia::kMusic ? 2 : 3;
    app.upTimeCount = app.whatIsTypeIsPlaying == 3 ? 4 : 1;
    app.upTimeCounter = 1;
    if (app.whatIsTypeIsPlaying == 2)
        showTunePicture(app, media.getPath());
    else
        showMoviePicture(app);

    const bool still = app.whatIsTypeIsPlaying == 3;
    for (korvida::View* view : std::initializer_list<korvida::View*>{
             app.timeSlider.get(), app.timeLeft.get(), app.timePlayd.get(), app.timeSliderControllPanel.get(),
             app.timeLeftControllPanel.get(), app.timePlaydControllPanel.get()})
        view->setHidden(still);

    if (media.isThumbnailPhoto()) {
        loadThumbnailPhoto(app, media);
        return;
    }
    app.pictureThread.forget();
    openVisibleMovie(app, media.getPath());
}

void start(MainApp& app)
{
    app.playing = true;
    app.play->setImage(app.pauseButtonImageControllPanel);
    app.playButtonControllPanel->setImage(app.pauseButtonImageControllPanel);
    if (!app.fullScreen) {
        app.dragingWindow();
        app.mainMovieView->start();
        return;
    }
    const korvida::Size screen = app.services.screens.screenFrameOf(*app.mainWindow).size;
    const korvida::Rect space = app.controllPannelHidden ? makeRect(0, 0, screen.width, screen.height)
                                                         : makeRect(205, 130, screen.width - 410, screen.height - 410);
    app.fullScreenMovieView->setFrame(korvida::getScreenRess(app.visibleMovie.get(), space));
    app.fullScreenPanel->display();
    app.mainfullScreenPanel->display();
    app.fullScreenMovieView->start();
}

} // namespace

void MainApp::pausePlayback()
{
    (fullScreen ? static_cast<korvida::MovieView&>(*fullScreenMovieView) : *mainMovieView).stop();
    play->setImage(palyButtonImageControllPanel);
    playButtonControllPanel->setImage(palyButtonImageControllPanel);
    playing = false;
    // The tick shows the time only while something plays: the pause shows where it stopped.
    if (visibleMovie)
        showMovieTime();
}

void MainApp::endStartupSound()
{
    if (startupSound)
        startupSound->stop();
    startupSound.reset();
}

void MainApp::reopenLoadedItem()
{
    reopenedAfterEarlyEnd = true;
    openVisibleMovie(*this, lastPlaydMedia->getPath());
    start(*this);
}

void MainApp::playButton(korvida::Button* /*sender*/)
{
    setFatsForvardOn(false, false);
    mainMovieView->setRate(1.0f);
    fullScreenMovieView->setRate(1.0f);
    if (!listMovesOn)
        failuresInARow = 0;
    const int row = mediaTableView->selectedRow();
    InMedia* chosen = row >= 0 && row < static_cast<int>(medias.size()) ? medias[row] : nullptr;
    // Play pauses the item that plays; with another row chosen it plays that one instead.
    if (chosen == nullptr || (playing && chosen == lastPlaydMedia)) {
        pausePlayback();
    } else {
        if (chosen != lastPlaydMedia) {
            // Only a regular file inside the player is played: a pipe would never end, and a
            // link on the player may point at the user's own files. A photo kept only as
            // thumbnails is played from its thumbnail file.
            const bool playable = chosen->isThumbnailPhoto()
                ? korvida::resolveItemFile(*chosen, state.iPodPath).has_value()
                : korvida::isPlayerFile(chosen->getPath(), state.iPodPath);
            if (playable) {
                loadMedia(*this, *chosen);
            } else {
                korvida::markBrokenName(*chosen);
                ++failuresInARow;
            }
        }
        // Nothing loaded (a missing file before anything played) leaves nothing to start.
        if (visibleMovie)
            start(*this);
    }
    mediaTableView->reloadData();
    mediaTableViewFullScreen->reloadData();
}
