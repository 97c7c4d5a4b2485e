#include "app/main_app.h"

#include "presentation/fitting.h"
#include "presentation/full_screen_geometry.h"
#include "presentation/window_fades.h"

namespace {

bool showsMovie(const MainApp& app)
{
    return app.whatIsTypeIsPlaying == 1 || app.whatIsTypeIsPlaying == 3;
}

void coverScreen(korvida::Window& window, int level, const korvida::Rect& screen)
{
    window.setLevel(level);
    window.setBackgroundColor(korvida::Color::blackColor());
    window.setFrame(screen);
    window.display();
}

// What the full-screen window shows on entry: the film or picture, or a tune's picture.
void showFullScreenContent(MainApp& app, const korvida::Rect& screen)
{
    app.fullScreenMovieView->setMovie(app.visibleMovie);
    if (showsMovie(app)) {
        app.inImageViewFullScreen->setImage(nullptr);
        app.fullScreenMovieView->setHidden(false);
    } else {
        app.fullScreenMovieView->setHidden(true);
        app.inImageViewFullScreen->setImage(app.inImage);
    }
    app.fitFullScreenContent(screen);
}

// What the main window shows again on leaving: the film on black, or the tune's picture
// sized for the media area.
void showWindowContent(MainApp& app)
{
    if (showsMovie(app)) {
        app.mainMovieView->setHidden(false);
        app.inImage = app.services.images.imageNamed("BlackImage", "jpg");
        app.inImageView->setImageScaling(korvida::ImageScaling::ToFit);
    } else {
        app.mainMovieView->setHidden(true);
        const korvida::Size window = app.mainWindow->frame().size;
        const auto area = korvida::makeRect(app.dragX, app.dragY, window.width - app.dragX - 14.0f,
                                            window.height - 120.0f);
        if (app.inImage)
            app.inImage->setSize(korvida::getImageRess(*app.inImage, area));
        app.inImageView->setImageScaling(korvida::ImageScaling::Proportionally);
    }
    app.inImageView->setImage(app.inImage);
}

} // namespace

void MainApp::fullScreenButton(korvida::Button* /*sender*/)
{
    if (fullScreen)
        leaveFullScreen();
    else
        enterFullScreen();
}

void MainApp::enterFullScreen()
{
    setFatsForvardOn(false, false);
    const korvida::Rect screen = services.screens.screenFrameOf(*mainWindow);
    services.cursor.hideCursor();
    const bool made = services.screens.createWindow(*mainfullScreenPanel, screen, *mainWindow) &&
        services.screens.createWindow(*backfullScreenPanel, screen, *mainWindow);
    controllPannelHidden = true;
    const bool fade = state.fadeWindows == 1;
    const std::vector<korvida::Window*> windows{mainfullScreenPanel.get(), backfullScreenPanel.get()};
    korvida::setAlphaOfWindows(windows, fade ? 0.0f : 1.0f);
    if (!made) {
        // The mode stays off, so the cursor must not stay hidden.
        services.cursor.showCursor();
        return;
    }

    fullScreen = true;
    mainMovieView->setMovie(nullptr);
    mainMovieView->setHidden(true);
    mainWindow->display();
    const int level = services.screens.shieldingWindowLevel();
    coverScreen(*backfullScreenPanel, level, screen);
    backfullScreenPanel->orderFront();
    coverScreen(*mainfullScreenPanel, level, screen);
    mainfullScreenPanel->setContentView(fullScreenPanel->contentView());
    showFullScreenContent(*this, screen);
    fullScreenPanel->display();
    mainfullScreenPanel->display();
    mainfullScreenPanel->orderFront();
    if (playing)
        fullScreenMovieView->start();
    fullScreenMovieView->setRate(1.0f);
    mouseLocation = services.cursor.mouseLocation();
    if (fade) {
        korvida::fadeWindows(windows, korvida::fadeInSteps(), services.tickDelay);
        korvida::setAlphaOfWindows(windows, 1.0f);
    }
}

void MainApp::leaveFullScreen()
{
    setFatsForvardOn(false, false);
    services.cursor.showCursor();
    std::vector<korvida::Window*> windows = controlPanelWindows();
    windows.push_back(mainfullScreenPanel.get());
    windows.push_back(backfullScreenPanel.get());
    if (state.fadeWindows == 1)
        korvida::fadeWindows(windows, korvida::fadeOutSteps(), services.tickDelay);
    for (korvida::Window* panel : controlPanelWindows())
        panel->orderOut();
    fullScreenMovieView->setMovie(nullptr);
    mainfullScreenPanel->orderOut();
    backfullScreenPanel->orderOut();
    fullScreen = false;
    // Out of sight now: whatever shows them next finds them opaque, not at the last fade step.
    korvida::setAlphaOfWindows(windows, 1.0f);

    showWindowContent(*this);
    mainMovieView->setMovie(visibleMovie);
    if (playing)
        mainMovieView->start();
    dragingWindow();
    mainMovieView->setRate(1.0f);
}

void MainApp::fitFullScreenContent(const korvida::Rect& screen)
{
    const bool panelsShown = !controllPannelHidden;
    if (showsMovie(*this)) {
        fullScreenMovieView->setFrame(
            korvida::getScreenRess(visibleMovie.get(), korvida::fullScreenMovieArea(screen, panelsShown)));
        return;
    }
    if (inImage)
        inImage->setSize(korvida::getImageRess(*inImage, korvida::fullScreenPictureArea(screen, panelsShown)));
    inImageViewFullScreen->display();
}

std::vector<korvida::Window*> MainApp::controlPanelWindows() const
{
    return {controllPanelFullScreen.get(), playlistsControllPanelFullScreen.get(), namesControllPanelFullScreen.get(),
            selectControllPanelFullScreen.get()};
}

void MainApp::connectPresentation()
{
    fullScreenB->setAction([this](korvida::Button& sender) { fullScreenButton(&sender); });
    leaveFullScreenButton->setImage(windowImageControllPanel);
    leaveFullScreenButton->setAction([this](korvida::Button& sender) { fullScreenButton(&sender); });
    hidePanelsButton->setAction([this](korvida::Button& sender) { quitFullScreenControllerButton(&sender); });
}
