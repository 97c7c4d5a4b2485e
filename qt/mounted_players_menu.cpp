#include "qt/mounted_players_menu.h"

#include <QAction>
#include <QMenu>

namespace korvida::qt {

MountedPlayersMenu::MountedPlayersMenu(QMenu& fileMenu, Hooks hooks, std::string mountTable)
    : menu(fileMenu), hooks(std::move(hooks)), mountTable(std::move(mountTable))
{
    menu.setToolTipsVisible(true);
}

void MountedPlayersMenu::check()
{
    std::string table = readMountTable(mountTable);
    if (checkedOnce && table == lastTable)
        return;
    checkedOnce = true;
    lastTable = std::move(table);
    found = mountedPlayers(lastTable);
    rebuildMenu();
    if (found.size() == 1 && hooks.nothingOpen())
        hooks.open(found.front().mountPoint);
}

void MountedPlayersMenu::rebuildMenu()
{
    qDeleteAll(actions);
    actions.clear();
    if (found.empty())
        return;
    actions.append(menu.addSeparator());
    for (const MountedPlayer& player : found) {
        const QString mountPoint = QString::fromStdString(player.mountPoint);
        QAction* open = menu.addAction(
            QStringLiteral("Open %1").arg(QString::fromStdString(player.name).replace('&', QStringLiteral("&&"))));
        open->setToolTip(mountPoint);
        open->setStatusTip(mountPoint);
        QObject::connect(open, &QAction::triggered, [this, folder = player.mountPoint] { hooks.open(folder); });
        actions.append(open);
    }
}

} // namespace korvida::qt
