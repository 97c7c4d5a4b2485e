#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "app/mounted_players.h"

class QAction;
class QMenu;

namespace korvida::qt {

// Follows the mounted players: lists them at the end of the File menu ("Open NAME", the
// mount point as tooltip) and, when nothing is open and exactly one player is mounted, opens
// it. The mount table is read at each check; players are looked for again only when its
// text changed, so a check costs one small read.
class MountedPlayersMenu {
public:
    struct Hooks {
        std::function<void(const std::string& folder)> open; // as a drop on the icon
        std::function<bool()> nothingOpen;
    };

    MountedPlayersMenu(QMenu& fileMenu, Hooks hooks, std::string mountTable);

    // Looks at the mount table; at launch and before each tick.
    void check();

    const std::vector<MountedPlayer>& players() const { return found; }

private:
    void rebuildMenu();

    QMenu& menu;
    Hooks hooks;
    std::string mountTable;
    std::string lastTable;
    bool checkedOnce = false;
    std::vector<MountedPlayer> found;
    QList<QAction*> actions;
};

} // namespace korvida::qt
