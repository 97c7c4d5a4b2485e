#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "app/main_app.h"
#include "qt/binding/binder.h"
#include "qt/interface/main_interface.h"
#include "qt/mounted_players_menu.h"
#include "qt/mpris/controller_media.h"
#include "qt/mpris/mpris_service.h"
#include "qt/not_player_notice.h"
#include "qt/services/qt_defaults_store.h"
#include "qt/services/qt_desktop.h"
#include "qt/services/qt_images.h"
#include "qt/services/qt_main_thread.h"
#include "qt/services/qt_movies.h"

namespace korvida::qt {

// Where the program keeps its preferences and the files it takes out of its resources.
struct DesktopPaths {
    QString settingsFile;  // empty: the user's configuration folder
    QString resourceCache; // empty: the user's cache folder
    QString mountTable;    // empty: the kernel's mount table of this process
};

// The program on the desktop: the Qt services, the controller, its windows bound to it, and
// the menus. Created after the QApplication, destroyed before it.
class DesktopApp : public QObject {
    Q_OBJECT
public:
    // A player named at start (`playerAtStart`) is read while the window is being built.
    explicit DesktopApp(const DesktopPaths& paths = {}, const std::string& playerAtStart = {});
    ~DesktopApp() override;

    // Finishes launching as the controller describes it: the buttons, the tick, the
    // preferences, the start-up sound, the window in front.
    void launch();

    // Opens a folder as a drop on the program's icon does: it is read on the next turn. The
    // path is a file name's bytes, which need not be valid UTF-8.
    void openFolder(const std::string& path);
    void openFolder(const QString& path);

    // Asks for a folder to open, as a sheet on the main window.
    void chooseFolderToOpen();

    // Brings the main window to the front (a second start of the program asks for this).
    void raiseMainWindow();

    // Whether the controller has ended the program (the event loop then stops).
    bool hasTerminated() const { return application.hasTerminated(); }

    MainApp& controller() { return *app; }
    MainInterface& interface() { return *ui; }
    MountedPlayersMenu& mountedPlayers() { return *playersMenu; }
    Binder& binding() { return binder; }

    // The box that tells about folders that are not players.
    const NotPlayerNotice& notPlayerNotice() const { return notPlayer; }

    // The desktop's media controls, while the player is offered on the session bus.
    const MprisService& mediaKeys() const { return *mpris; }

private:
    void buildMenus(const QString& mountTable);
    bool nothingOpen() const;
    // F11, Escape and the keys of full screen; double clicks on the picture and the film.
    void watchFullScreenGestures();
    void followMainWindowSize();

    Binder binder;
    QtMovies movies;
    QtImages images;
    QtResources resources;
    QtDefaultsStore defaults;
    QtWorkspace workspace;
    QtScriptRunner scripts;
    QtFolderChooser folderChooser;
    QtAlert alert;
    QtMainThreadQueue mainThread;
    QtTickDelay tickDelay;
    QtTimers timers;
    QtCursor cursor;
    QtScreens screens;
    QtKeepAwake keepAwake;
    QtApplication application;
    std::unique_ptr<MainApp> app;
    std::unique_ptr<MainInterface> ui;
    std::unique_ptr<MountedPlayersMenu> playersMenu;
    CoverFiles covers;
    std::unique_ptr<MprisService> mpris;
    NotPlayerNotice notPlayer;
};

} // namespace korvida::qt
