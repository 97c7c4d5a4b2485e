#pragma once

#include <QDBusConnection>
#include <QString>

#include <functional>

#include "import/desktop_script_runner.h"
#include "platform/desktop.h"
#include "qt/services/tag_statistics.h"

class QWidget;

namespace korvida::qt {

// The Qt window that shows a window of the program, or null when it has none.
using WindowWidgets = std::function<QWidget*(const Window&)>;

class QtWorkspace : public Workspace {
public:
    bool openURL(const std::string& url) override;
};

// Linux has no AppleScript and none of the programs the import scripts address: the
// scripts are carried out by the program itself, into the folders the desktop names for
// music, videos and pictures (which follow the user's XDG user directories).
class QtScriptRunner : public ScriptRunner {
public:
    QtScriptRunner();
    bool executeScript(const std::string& source) override;
    bool executeImportScript(const std::string& source, const ScriptContext& context) override;
    std::vector<UnwrittenFile> finishImport() override;
    std::optional<std::string> folderOnPlayer(const std::string& playerFolder) const override;

private:
    TagLibStatisticsWriter tagWriter;
    DesktopScriptRunner runner;
};

// The folder chooser as a sheet: a folder dialog, modal for its window, that starts in the
// folder asked for, names its accept button after the request's prompt and reports the
// choice when the user closes it.
class QtFolderChooser : public FolderChooser {
public:
    explicit QtFolderChooser(WindowWidgets widgets) : widgets(std::move(widgets)) {}
    void chooseFolder(Window& sheetParent, const FolderRequest& request, Completion done) override;

private:
    WindowWidgets widgets;
};

// A modal message box over the active window.
class QtAlert : public Alert {
public:
    AlertChoice runAlertPanel(const std::string& title, const std::string& message, const std::string& defaultButton,
                              const std::string& alternateButton, const std::string& otherButton) override;
};

// The mouse pointer in the program's screen coordinates; hiding it covers every window of
// the program.
class QtCursor : public Cursor {
public:
    QtCursor() = default;
    // A cursor still hidden when the program ends is shown again.
    ~QtCursor() override;
    QtCursor(const QtCursor&) = delete;
    QtCursor& operator=(const QtCursor&) = delete;
    Point mouseLocation() const override;
    void hideCursor() override;
    void showCursor() override;

private:
    int hidden = 0;
};

class QtScreens : public Screens {
public:
    explicit QtScreens(WindowWidgets widgets) : widgets(std::move(widgets)) {}
    Rect screenFrameOf(const Window& window) const override;
    int shieldingWindowLevel() const override;
    // The window's top-level widget, made borderless and given its native window on the
    // screen of `screenOf`.
    bool createWindow(Window& window, const Rect& contentRect, const Window& screenOf) override;

private:
    WindowWidgets widgets;
};

// Asks the desktop's screen saver, over the session bus, to count the user as active.
// Without a session bus, or without a screen saver on it, nothing happens and nothing is said.
class QtKeepAwake : public KeepAwake {
public:
    explicit QtKeepAwake(QDBusConnection bus = QDBusConnection::sessionBus()) : bus(std::move(bus)) {}
    void updateSystemActivity() override;

private:
    QDBusConnection bus;
};

// Ends the event loop; the program then tears down and exits.
class QtApplication : public Application {
public:
    void terminate() override;
    bool hasTerminated() const { return terminated; }

private:
    bool terminated = false;
};

} // namespace korvida::qt
