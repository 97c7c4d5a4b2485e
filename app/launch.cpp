#include "app/main_app.h"

#include "app/window_fade.h"

namespace {

void sizeButton(korvida::Button& button, float side, std::shared_ptr<korvida::Image> image)
{
    button.setFrameSize(korvida::Size{side, side});
    button.setImage(std::move(image));
}

} // namespace

void MainApp::applicationDidFinishLaunching()
{
    // The play buttons show play: the start-up sound is no item, and nothing else plays yet.
    sizeButton(*play, 60, palyButtonImageControllPanel);
    sizeButton(*fastForward, 55, fastFButtonImageControllPanel);
    sizeButton(*fastBack, 55, fastBButtonImageControllPanel);
    sizeButton(*next, 50, nextImageControllPanel);
    sizeButton(*back, 50, backImageControllPanel);
    sizeButton(*fullScreenB, 50, fullScreenImage);
    sizeButton(*windowB, 50, windowImageControllPanel);
    timeSlider->setDoubleValue(0.0);
    sizeButton(*playButtonControllPanel, 70, palyButtonImageControllPanel);
    sizeButton(*fastForwardControllPanel, 60, fastFButtonImageControllPanel);
    sizeButton(*fastBackControllPanel, 60, fastBButtonImageControllPanel);
    sizeButton(*nextButtonControllPanel, 60, nextImageControllPanel);
    sizeButton(*backButtonControllPanel, 60, backImageControllPanel);

    copyingProgressIndicator->setHidden(true);
    canselCopying->setHidden(true);
    canselAllCopying->setHidden(true);
    copyingTextField->setHidden(true);

    timer = services.timers.scheduledTimer(1.0, [this] { doChecks(); });

    playing = false;
    controllPannelHidden = true;
    whatIsTypeIsPlaying = 2;

    setFactoryDefaults();
    loadDefaults();

    // The start-up sound plays on its own: no movie view holds it and no control reaches it,
    // so nothing the user plays or fast-forwards sounds it again.
    if (const auto sound = services.resources.pathForResource("Opstart", "mp3")) {
        startupSound = services.movies.openMovie(*sound);
        if (startupSound)
            startupSound->start();
    }

    searchField->setShowsFocusRing(false);

    mainMovieView->showController(false, false);
    fullScreenMovieView->showController(false, false);
    mainMovieView->setHidden(true);

    inImageView->setImage(inImage);

    mainWindow->setBackgroundColor(korvida::Color::blackColor());
    preferencesPanel->setBackgroundColor(korvida::Color::grayColor());

    const bool fade = state.fadeWindows == 1;
    if (fade)
        mainWindow->setAlphaValue(0.0f);
    mainWindow->makeKeyAndOrderFront();
    dragingWindow();
    if (fade)
        korvida::fadeIn(*mainWindow, services.tickDelay);
}
