#include "app/main_app.h"

#include <filesystem>

#include "devicedb/file_type.h"
#include "playback/broken_name.h"
#include "playback/failed_movie.h"
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
    if (korvida::getFileType(path) == "mp3")
        app.getID3Image(path);
    else
        app.inImage = app.coverOrIcon(path);
    if (!app.fullScreen) {
        app.mainMovieView->setHidden(true);
        const korvida::Size window = app.mainWindow->frame().size;
        const auto area = makeRect(app.dragX, app.dragY, window.width - app.dragX - 14.0f, window.height - 120.0f);
        if (app.inImage)
            app.inImage->setSize(korvida::getImageRess(*app.inImage, area));
        app.inImageView->setImageScaling(korvida::ImageScaling::Proportionally);
        app.inImageView->setImage(app.inImage);
        return;
    }
    const korvida::Rect screen = app.services.screens.screenFrameOf(*app.mainWindow);
    app.fullScreenMovieView->setHidden(true);
    const float part = app.controllPanelFullScreen->isVisible() ? 3.5f : 3.0f;
    if (app.inImage)
        app.inImage->setSize(
            korvida::getImageRess(*app.inImage, makeRect(0, 0, screen.size.width / part, screen.size.height / part)));
    app.inImageViewFullScreen->setImage(app.inImage);
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

void openVisibleMovie(MainApp& app, const std::string& path)
{
    if (app.visibleMovie)
        app.visibleMovie->setInfoHandler({});
    app.visibleMovie = app.services.movies.openMovie(path);
    if (!app.visibleMovie)
        app.visibleMovie = std::make_shared<korvida::FailedMovie>();
    app.visibleMovie->setInfoHandler([&app] { takeMovieInfo(app); });
    // A movie still opening has no duration yet; its range and times follow when it is known.
    app.clearTimeDisplay();
    takeMovieInfo(app);
    (app.fullScreen ? static_cast<korvida::MovieView&>(*app.fullScreenMovieView) : *app.mainMovieView)
        .setMovie(app.visibleMovie);
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
            std::error_code error;
            if (std::filesystem::exists(chosen->getPath(), error)) {
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
