#pragma once

#include <string>

#include "platform/window.h"

namespace korvida {

// What the main window's title tells about players besides the open one's name: that a
// dropped folder was not a player (for a few ticks), and that the open player's folder has
// gone (unplugged) until it comes back or another player is read.
class PlayerWatch {
public:
    // How many ticks a refused drop is told about.
    static constexpr int kNoticeTicks = 4;

    // A player was read from `path`; from now on the tick watches its folder.
    void opened(const std::string& path);
    // A dropped folder was not a player: "Not a player: NAME" for a few ticks.
    void refusedDrop(Window& window, const std::string& path);
    // Each tick: ends a notice whose time is up, and notices the open player going or
    // coming back.
    void tick(Window& window);

    bool playerGone() const { return gone; }

private:
    std::string titleNow() const;
    void showTitle(Window& window, const std::string& title);

    std::string openPath;
    // The open player's name, or the window's own title before any player.
    std::string openName;
    std::string notice;
    int noticeTicks = 0;
    bool gone = false;
};

} // namespace korvida
