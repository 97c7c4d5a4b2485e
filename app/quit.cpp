#include "app/main_app.h"

#include "app/home_page.h"
#include "app/path_text.h"
#include "app/window_fade.h"

namespace {

// Holds a flag up for as long as it lives.
class Raised {
public:
    explicit Raised(bool& flag) : flag(flag) { flag = true; }
    ~Raised() { flag = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag;
};

} // namespace

void MainApp::quit(korvida::Button* /*sender*/)
{
    if (preferencesPanel->isVisible() || whereToImportPanel->isVisible())
        return;

    // Asked again while the question is open (the media keys' Quit pressed a few times during a
    // copy): the question on screen answers for every request, and no second box opens in it.
    if (askingToQuit)
        return;

    const int pending = pendingCopies();
    if (pending > 0) {
        // Going on with the copies is the safe answer, so it is the default.
        // Only while asking: ending the program closes the window, which asks to quit again.
        const Raised asking(askingToQuit);
        const korvida::AlertChoice choice = services.alert.runAlertPanel(
            std::to_string(pending) + " files are being copied", "", "Cancel", "Quit", "");
        if (choice != korvida::AlertChoice::Alternate)
            return;
        canselAllCopyingButton(nullptr);
        // The worker reaches its next chunk boundary meanwhile and stops.
        services.tickDelay.delay(150);
        if (pendingCopies() > 0)
            return;
    }

    if (state.fadeWindows == 1)
        korvida::fadeOut(*mainWindow, services.tickDelay);
    services.application.terminate();
}

void MainApp::donateUpdate(korvida::Button* /*sender*/)
{
    const auto page = services.resources.pathForResource(korvida::kHomePageName, korvida::kHomePageType);
    const std::string url = page ? korvida::fileUrlForPath(*page) : std::string();
    if (page && services.workspace.openURL(url))
        return;
    // No browser could show the page: the program tells about itself.
    services.alert.runAlertPanel(korvida::kAboutTitle, korvida::aboutText(url), "OK", "", "");
}
