#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "platform/geometry.h"

class InMedia;
class PlayList;

// The small desktop services the controller asks for. Each has a desktop implementation in
// the Qt binding and a fake in the tests.
namespace korvida {

enum class CopyOutcome : int;

class Window;

// Opens web addresses in the user's browser.
class Workspace {
public:
    virtual ~Workspace() = default;
    virtual bool openURL(const std::string& url) = 0;
};

// What a script that names items of the open player may use: those items (a runner that
// carries the script out itself acts only on files that are among them), the player's
// playlists (whose order a runner keeps), whom to tell how each item's import ended, and a
// request to stop between items.
struct ScriptContext {
    std::span<const std::unique_ptr<InMedia>> library;
    std::span<const std::unique_ptr<PlayList>> playLists;
    std::function<void(const InMedia&, CopyOutcome)> itemDone;
    const std::atomic<bool>* stopRequested = nullptr;
    // The player's folder: an item's file that lies outside it (a link on the player to a
    // file of the user's) is never read. Empty: no check.
    std::string playerFolder{};
    // Whether the copies of tunes get the player's rating and play count in their tags.
    bool writeStatistics = false;
};

// A file that a run meant to write and could not, and why.
struct UnwrittenFile {
    std::string path;
    std::error_code error;
};

// Runs a script for another application. Answers whether it ran without error.
class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;
    virtual bool executeScript(const std::string& source) = 0;
    // A script of the import; a runner that only hands scripts on needs no more than the text.
    virtual bool executeImportScript(const std::string& source, const ScriptContext& /*context*/)
    {
        return executeScript(source);
    }
    // The import's scripts are over, all run or the rest cancelled: a runner that carries
    // them out itself writes what it gathered (the playlists). Answers what it could not write.
    virtual std::vector<UnwrittenFile> finishImport() { return {}; }
    // A folder the runner writes into that lies inside `playerFolder`, which is never
    // written; nothing when there is none.
    virtual std::optional<std::string> folderOnPlayer(const std::string& /*playerFolder*/) const
    {
        return std::nullopt;
    }
};

struct FolderRequest {
    std::string prompt;
    std::string startFolder;
};

// Asks the user for a folder in a sheet on a window. It does not wait: the completion is
// called later on the main thread with the chosen folder, or with nothing when cancelled.
class FolderChooser {
public:
    using Completion = std::function<void(std::optional<std::string> folder)>;
    virtual ~FolderChooser() = default;
    virtual void chooseFolder(Window& sheetParent, const FolderRequest& request, Completion done) = 0;
};

enum class AlertChoice {
    Default,
    Alternate,
    Other,
};

// A modal message with up to three buttons; an empty button text means no such button.
class Alert {
public:
    virtual ~Alert() = default;
    virtual AlertChoice runAlertPanel(const std::string& title, const std::string& message,
                                      const std::string& defaultButton, const std::string& alternateButton,
                                      const std::string& otherButton) = 0;
};

// Carries work from any thread to the main thread, in the order posted. The poster never
// waits for it.
class MainThreadQueue {
public:
    virtual ~MainThreadQueue() = default;
    virtual void post(std::function<void()> work) = 0;
};

// Waits on the main thread for a number of sixtieths of a second.
class TickDelay {
public:
    virtual ~TickDelay() = default;
    virtual void delay(int ticks) = 0;
};

// A repeating timer; it stops when destroyed.
class Timer {
public:
    virtual ~Timer() = default;
};

class Timers {
public:
    virtual ~Timers() = default;
    virtual std::unique_ptr<Timer> scheduledTimer(double intervalSeconds, std::function<void()> fire) = 0;
    // Runs `work` once on the main thread's next turn. Like a timer's firing it never runs
    // inside an operation of the controller: a turn that falls inside one drops the work, so
    // the caller leaves it for its repeating timer as well.
    virtual void runOnNextTurn(std::function<void()> work) = 0;
};

// The mouse pointer: where it is (screen coordinates) and whether it shows.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual Point mouseLocation() const = 0;
    virtual void hideCursor() = 0;
    virtual void showCursor() = 0;
};

class Screens {
public:
    virtual ~Screens() = default;
    // The frame of the screen that holds most of the window.
    virtual Rect screenFrameOf(const Window& window) const = 0;
    // A window level above every ordinary window, for full-screen windows.
    virtual int shieldingWindowLevel() const = 0;
    // Makes the desktop's window for `window` (done once; later calls find it made):
    // borderless, `contentRect` as its frame, on the screen that holds `screenOf`. Answers
    // whether the window exists.
    virtual bool createWindow(Window& window, const Rect& contentRect, const Window& screenOf) = 0;
};

// Tells the system the user is active, so that the display does not go to sleep.
class KeepAwake {
public:
    virtual ~KeepAwake() = default;
    virtual void updateSystemActivity() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual void terminate() = 0;
};

} // namespace korvida
