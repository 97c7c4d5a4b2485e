#include "app/player_watch.h"

#include "app/path_text.h"
#include "devicedb/device_reader.h"

namespace korvida {

void PlayerWatch::opened(const std::string& path)
{
    openPath = path;
    openName = lastPathComponent(path);
    noticeTicks = 0;
    gone = false;
}

void PlayerWatch::refusedDrop(Window& window, const std::string& path)
{
    // Before any player the title the window had comes back after the notice.
    if (openPath.empty() && noticeTicks == 0)
        openName = window.title();
    notice = "Not a player: " + lastPathComponent(path);
    noticeTicks = kNoticeTicks;
    showTitle(window, notice);
}

void PlayerWatch::tick(Window& window)
{
    bool changed = false;
    if (noticeTicks > 0 && --noticeTicks == 0)
        changed = true;
    if (!openPath.empty()) {
        const bool goneNow = !hasSysInfo(openPath);
        changed = changed || goneNow != gone;
        gone = goneNow;
    }
    if (changed)
        showTitle(window, titleNow());
}

std::string PlayerWatch::titleNow() const
{
    if (noticeTicks > 0)
        return notice;
    if (gone)
        return openName + " is no longer connected";
    return openName;
}

void PlayerWatch::showTitle(Window& window, const std::string& title)
{
    if (window.title() != title)
        window.setTitle(title);
}

} // namespace korvida
