#include "qt/desktop_app.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QVideoWidget>

#include "app/path_text.h"
#include "app/player_folder.h"
#include "qt/full_screen_keys.h"
#include "qt/interface/browser_keys.h"
#include "qt/main_window.h"
#include "qt/services/tag_cover.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/movie_widget.h"

// Resources compiled into the static library must be registered by name, outside any
// namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(home_page);
}

namespace korvida::qt {

namespace {

QString orDefault(const QString& path, const QString& fallback)
{
    return path.isEmpty() ? fallback : path;
}

} // namespace

DesktopApp::DesktopApp(const DesktopPaths& paths)
    : resources(orDefault(paths.resourceCache, QtResources::defaultCacheFolder())),
      defaults(paths.settingsFile),
      folderChooser([this](const Window& window) { return binder.windowWidgetOf(window); }),
      screens([this](const Window& window) { return binder.windowWidgetOf(window); }),
      covers(
          QDir(orDefault(paths.resourceCache, QtResources::defaultCacheFolder())).filePath(QStringLiteral("covers"))),
      notPlayer([this] { return binder.windowWidgetOf(*app->mainWindow); })
{
    registerResources();
    app = std::make_unique<MainApp>(Services{movies, images, resources, defaults, workspace, scripts, folderChooser,
                                             alert, mainThread, tickDelay, timers, cursor, screens, keepAwake,
                                             application});
    // Covers of AAC/M4A tunes come from TagLib, after the ones the program reads itself;
    // the player's own artwork comes last, for tunes whose files hold none.
    app->coverLookup.addSource(mp4Cover);
    app->coverLookup.addSource(&MainApp::storedCover);
    ui = buildMainInterface(*app, binder);
    ui->afterResize = [this] {
        followMainWindowSize();
    };
    ui->mainWindow->onCloseRequest = [this] {
        app->quit(nullptr);
    };
    buildMenus(paths.mountTable);
    timers.beforeEachFire = [this] {
        playersMenu->check();
    };
    addBrowserKeys(*app, *ui);
    describeButtons();
    watchFullScreenGestures();
    MediaControls controls = mediaControlsOf(
        *app, [this] { raiseMainWindow(); }, covers);
    controls.volume = [this] {
        return static_cast<double>(movies.volume());
    };
    controls.setVolume = [this](double volume) {
        movies.setVolume(static_cast<float>(volume));
    };
    mpris = std::make_unique<MprisService>(QDBusConnection::sessionBus(), std::move(controls));
}

DesktopApp::~DesktopApp()
{
    // The media controls reach the controller: they go before it.
    mpris.reset();
    // The windows go first, while the controls they show still exist; the controller then
    // ends its worker and lets go of the controls.
    binder.unbindAll();
    ui.reset();
    app.reset();
}

void DesktopApp::launch()
{
    app->applicationDidFinishLaunching();
    // The settings are read now: the browser side takes the width kept there.
    ui->followBrowserWidth();
    playersMenu->check();
}

void DesktopApp::openFolder(const QString& path)
{
    openFolder(QFile::encodeName(path).toStdString());
}

void DesktopApp::openFolder(const std::string& path)
{
    const std::string folder = absoluteCleanPath(path);
    // Asked for by name (the File menu, the command line, Open With): a folder that is not
    // a player is told about at once, naming what it lacks.
    if (const auto missing = whyNotAPlayer(folder)) {
        notPlayer.tell(QString::fromStdString("\u201C" + lastPathComponent(folder) +
                                              "\u201D cannot be opened: " + *missing + "."));
        return;
    }
    app->droppOnIcon.readFromFile(folder, "folder");
}

void DesktopApp::chooseFolderToOpen()
{
    folderChooser.chooseFolder(*app->mainWindow, FolderRequest{"Open", QDir::homePath().toStdString()},
                               [this](std::optional<std::string> folder) {
                                   if (folder)
                                       openFolder(*folder);
                               });
}

void DesktopApp::raiseMainWindow()
{
    ui->mainWindow->show();
    ui->mainWindow->raise();
    ui->mainWindow->activateWindow();
    // A box that waits for an answer stays in front of the window it belongs to.
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->raise();
}

void DesktopApp::followMainWindowSize()
{
    app->windowDidResize();
}

void DesktopApp::watchFullScreenGestures()
{
    QCoreApplication::instance()->installEventFilter(new FullScreenKeys(*app, this));
    auto* doubleClicks = new DoubleClickFullScreen(*app, this);
    doubleClicks->watch(binder.widgetOf(*app->inImageView));
    doubleClicks->watch(binder.widgetOf(*app->inImageViewFullScreen));
    for (const MovieView* view :
         std::initializer_list<const MovieView*>{app->mainMovieView.get(), app->fullScreenMovieView.get()}) {
        auto* movie = qobject_cast<MovieWidget*>(binder.widgetOf(*view));
        doubleClicks->watch(movie);
        if (movie != nullptr)
            doubleClicks->watch(movie->videoWidget());
    }
}

bool DesktopApp::nothingOpen() const
{
    // A read player always leaves its device entry at the head of the playlists.
    return app->state.playLists.empty() && !app->state.iPodDropped;
}

void DesktopApp::buildMenus(const QString& mountTable)
{
    QMenuBar* bar = ui->mainWindow->menuBar();
    QMenu* korvida = bar->addMenu(QStringLiteral("&Korvida"));
    korvida->addAction(QStringLiteral("About Korvida"), this, [this] { app->donateUpdate(nullptr); });
    korvida->addSeparator();
    QAction* preferences = korvida->addAction(QStringLiteral("Preferences…"), this,
                                              [this] { app->openPreferencesButton(nullptr); });
    preferences->setShortcut(QKeySequence(QStringLiteral("Ctrl+,")));
    korvida->addSeparator();
    QAction* quit = korvida->addAction(QStringLiteral("Quit"), this, [this] { app->quit(nullptr); });
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("Open Device…"), this, [this] { chooseFolderToOpen(); });
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    playersMenu = std::make_unique<MountedPlayersMenu>(
        *file,
        MountedPlayersMenu::Hooks{[this](const std::string& folder) { openFolder(folder); },
                                  [this] {
                                      return nothingOpen();
                                  }},
        orDefault(mountTable, QString::fromLatin1(kMountTable)).toStdString());
}

} // namespace korvida::qt
