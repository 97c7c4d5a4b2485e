#include "app/main_app.h"

#include <filesystem>

#include "copy/item_source.h"
#include "devicedb/file_type.h"
#include "picture/stored_picture_load.h"
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
    // A movie still opening has no duration yet; its range follows when it is known.
    const double duration = app.visibleMovie->hasDuration() ? app.visibleMovie->getMovieDuration() : 0.0;
    for (korvida::Slider* slider : {app.timeSlider.get(), app.timeSliderControllPanel.get()}) {
        slider->setMinValue(0.0);
        slider->setDoubleValue(0.0);
        slider->setMaxValue(duration);
    }
    (app.fullScreen ? static_cast<korvida::MovieView&>(*app.fullScreenMovieView) : *app.mainMovieView)
        .setMovie(app.visibleMovie);
}

// The file the movie layer opens: the item's own, or for a photo kept only as thumbnails
// its picture, decoded now and written as a PNG file.
std::string playableFile(MainApp& app, const InMedia& media)
{
    if (!media.isThumbnailPhoto())
        return media.getPath();
    const auto file = korvida::resolveItemFile(media, app.state.iPodPath);
    return file ? app.shownPicture.write(korvida::loadStoredPicture(*media.getStoredPicture(), *file)) : std::string();
}

void loadMedia(MainApp& app, InMedia& media)
{
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

    openVisibleMovie(app, playableFile(app, media));
}

void pause(MainApp& app)
{
    (app.fullScreen ? static_cast<korvida::MovieView&>(*app.fullScreenMovieView) : *app.mainMovieView).stop();
    app.play->setImage(app.palyButtonImageControllPanel);
    app.playButtonControllPanel->setImage(app.palyButtonImageControllPanel);
    app.playing = false;
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

void MainApp::playButton(korvida::Button* /*sender*/)
{
    setFatsForvardOn(false, false);
    mainMovieView->setRate(1.0f);
    fullScreenMovieView->setRate(1.0f);
    const int row = mediaTableView->selectedRow();
    if (playing || row < 0 || row >= static_cast<int>(medias.size())) {
        pause(*this);
    } else {
        InMedia& media = *medias[row];
        if (&media != lastPlaydMedia) {
            std::error_code error;
            const bool present = media.isThumbnailPhoto() ? korvida::resolveItemFile(media, state.iPodPath).has_value()
                                                          : std::filesystem::exists(media.getPath(), error);
            if (present)
                loadMedia(*this, media);
            else
                korvida::markBrokenName(media);
        }
        start(*this);
    }
    mediaTableView->reloadData();
    mediaTableViewFullScreen->reloadData();
}
