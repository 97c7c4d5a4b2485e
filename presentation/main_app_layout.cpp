#include "app/main_app.h"
#include "app/preference_keys.h"

#include "presentation/fitting.h"
#include "presentation/main_window_layout.h"

void MainApp::dragingWindow()
{
    std::optional<korvida::Size> natural;
    if (visibleMovie)
        natural = korvida::naturalSizeOf(*visibleMovie);
    const korvida::MediaAreaLayout layout = korvida::layoutMediaArea(
        inImageView->frame().origin, mainWindow->frame().size, natural, play->frame().size.width);
    dragX = layout.dragX;
    dragY = layout.dragY;
    if (inImage)
        inImage->setSize(korvida::getImageRess(*inImage, layout.area));
    if (layout.movieFrame)
        mainMovieView->setFrame(*layout.movieFrame);
    back->setFrameOrigin(layout.transport.back);
    fastBack->setFrameOrigin(layout.transport.fastBack);
    play->setFrameOrigin(layout.transport.play);
    fastForward->setFrameOrigin(layout.transport.fastForward);
    next->setFrameOrigin(layout.transport.next);
    mainWindow->display();
    mainMovieView->display();
}

void MainApp::windowDidResize()
{
    // The views that follow the window's edges, as the window's own resizing moves them.
    const korvida::StretchedFrames frames = korvida::stretchMediaArea(mainWindow->frame().size, shownBrowserWidth);
    inImageView->setFrame(frames.picture);
    timePlayd->setFrame(frames.timePlayd);
    timeSlider->setFrame(frames.timeSlider);
    timeLeft->setFrame(frames.timeLeft);
    windowB->setFrame(frames.windowButton);
    fullScreenB->setFrame(frames.fullScreenButton);
    if (!fullScreen)
        dragingWindow();
}

void MainApp::browserSplitMoved(float width)
{
    browserWidth = width;
    shownBrowserWidth = width;
    defaults.setIntegerForKey(static_cast<int>(width), korvida::kBrowserWidthKey);
    windowDidResize();
}
