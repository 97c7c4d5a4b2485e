#include "app/main_app.h"

#include "presentation/full_screen_geometry.h"
#include "presentation/still_mouse.h"
#include "presentation/window_fades.h"

void MainApp::fullscreenControllPanel()
{
    const korvida::Rect screen = services.screens.screenFrameOf(*mainWindow);
    const korvida::Point now = services.cursor.mouseLocation();
    switch (korvida::panelActionForTick(controllPanelFullScreen->isVisible(), screen, mouseLocation, now,
                                        controllPanelCount)) {
    case korvida::PanelAction::Show: showControlPanels(screen); break;
    case korvida::PanelAction::HideWithFade: hideControlPanels(screen); break;
    case korvida::PanelAction::HideAtOnce:
        // The mouse is on another screen: the cursor must stay usable there.
        controllPannelHidden = true;
        services.cursor.showCursor();
        putControlPanelsAway(screen);
        break;
    case korvida::PanelAction::None: break;
    }
    // Read again: a fade has let time pass.
    mouseLocation = services.cursor.mouseLocation();
}

void MainApp::quitFullScreenControllerButton(korvida::Button* /*sender*/)
{
    controllPannelHidden = true;
    if (!controllPanelFullScreen->isVisible())
        return;
    for (korvida::Window* panel : controlPanelWindows())
        panel->orderOut();
    services.cursor.hideCursor();
    // The panels come back only after the next movement.
    mouseLocation = services.cursor.mouseLocation();
    fitFullScreenContent(services.screens.screenFrameOf(*mainWindow));
}

void MainApp::showControlPanels(const korvida::Rect& screen)
{
    controllPannelHidden = false;
    const korvida::ControlPanelFrames frames = korvida::controlPanelFrames(screen);
    const struct {
        korvida::Window* window;
        korvida::Panel* content;
        korvida::Rect frame;
    } panels[] = {
        {controllPanelFullScreen.get(), controllPanel.get(), frames.bottom},
        {playlistsControllPanelFullScreen.get(), playlistsControllPanel.get(), frames.left},
        {namesControllPanelFullScreen.get(), namesControllPanel.get(), frames.right},
        {selectControllPanelFullScreen.get(), selectControllPanel.get(), frames.top},
    };
    const bool fade = state.fadeWindows == 1;
    const int level = services.screens.shieldingWindowLevel();
    for (const auto& panel : panels) {
        // A window that cannot be made stays out of sight.
        if (!services.screens.createWindow(*panel.window, panel.frame, *mainWindow))
            continue;
        panel.window->setAlphaValue(fade ? 0.0f : 1.0f);
        panel.window->setLevel(level);
        panel.window->setContentView(panel.content->contentView());
        panel.window->setFrame(panel.frame);
        panel.window->setBackgroundColor(korvida::Color::blackColor());
        panel.window->orderFront();
    }
    fitFullScreenContent(screen);
    services.cursor.showCursor();
    controllPanelCount = 0;
    for (korvida::Window* window : controlPanelWindows())
        window->display();
    fullScreenPanel->display();
    mainfullScreenPanel->display();
    if (fade) {
        korvida::fadeWindows(controlPanelWindows(), korvida::fadeInSteps(), services.tickDelay);
        korvida::setAlphaOfWindows(controlPanelWindows(), 1.0f);
    }
}

void MainApp::hideControlPanels(const korvida::Rect& screen)
{
    controllPannelHidden = true;
    if (state.fadeWindows == 1)
        korvida::fadeWindows(controlPanelWindows(), korvida::fadeOutSteps(), services.tickDelay);
    services.cursor.hideCursor();
    putControlPanelsAway(screen);
}

void MainApp::putControlPanelsAway(const korvida::Rect& screen)
{
    for (korvida::Window* panel : controlPanelWindows()) {
        panel->orderOut();
        panel->setAlphaValue(1.0f);
    }
    fitFullScreenContent(screen);
    mainfullScreenPanel->orderFront();
    fullScreenPanel->display();
    mainfullScreenPanel->display();
}
