#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

// Fakes of every desktop service, for tests of the controller on the toolkit model.

// A movie whose time and duration the test sets.
class FakeMovie : public korvida::Movie {
public:
    std::int32_t time = 0;
    std::int32_t duration = 600;
    std::int32_t timeScale = 600;
    korvida::Rect naturalBounds = korvida::makeRect(0, 0, 640, 480);
    float playRate = 0.0f;
    bool started = false;
    // Whether the duration is known yet (false while the file opens), and a failed decode.
    bool durationKnown = true;
    bool decodeFailed = false;
    // Stopped at its end long before it could have got there.
    bool earlyEnd = false;

    std::int32_t getMovieTime() const override { return time; }
    std::int32_t getMovieDuration() const override { return duration; }
    std::int32_t getMovieTimeScale() const override { return timeScale; }
    korvida::Rect getMovieNaturalBoundsRect() const override { return naturalBounds; }
    void setMovieTimeValue(std::int32_t value) override { time = value; }
    void start() override
    {
        started = true;
        playRate = 1.0f;
    }
    void stop() override
    {
        started = false;
        playRate = 0.0f;
    }
    float rate() const override { return playRate; }
    void setRate(float value) override { playRate = value; }
    bool hasDuration() const override { return durationKnown; }
    bool failed() const override { return decodeFailed; }
    bool endedEarly() const override { return earlyEnd; }
    // What a backend does when it has learned more of the file.
    void report() const { infoArrived(); }
};

// Opens every path as a fresh movie, except the paths listed as unopenable.
class FakeMovies : public korvida::Movies {
public:
    std::vector<std::string> opened;
    std::vector<std::string> unopenable;
    std::shared_ptr<FakeMovie> last;

    std::shared_ptr<korvida::Movie> openMovie(const std::string& path) override;
};

// Every picture is a 100 x 100 image, except the names listed as missing.
class FakeImages : public korvida::Images {
public:
    std::vector<std::string> missing;
    std::vector<std::string> iconsAskedFor;

    std::shared_ptr<korvida::Image> imageNamed(const std::string& name, const std::string& type) override;
    std::shared_ptr<korvida::Image> imageWithData(const std::vector<std::uint8_t>& bytes) override;
    std::shared_ptr<korvida::Image> imageWithContentsOfFile(const std::string& path) override;
    std::shared_ptr<korvida::Image> iconForFile(const std::string& path) override;
};

// Resources are the files the test names, keyed "name.type".
class FakeResources : public korvida::Resources {
public:
    std::map<std::string, std::string> paths;
    std::optional<std::string> pathForResource(const std::string& name, const std::string& type) override;
};

class InMemoryDefaultsStore : public korvida::DefaultsStore {
public:
    std::map<std::string, std::string> values;
    int writes = 0;

    std::optional<std::string> read(const std::string& key) const override;
    void write(const std::string& key, const std::string& value) override;
};

class FakeWorkspace : public korvida::Workspace {
public:
    std::vector<std::string> openedURLs;
    // False: as if no browser could be started.
    bool browserStarts = true;
    bool openURL(const std::string& url) override
    {
        openedURLs.push_back(url);
        return browserStarts;
    }
};

// Records every script and answers `succeeds`. Workers run scripts, so it locks.
class RecordingScriptRunner : public korvida::ScriptRunner {
public:
    bool succeeds = true;
    // Runs, on the runner's thread, after each script is recorded.
    std::function<void(const std::string&)> whileRunning;
    bool executeScript(const std::string& source) override;
    std::vector<std::string> scripts() const;

private:
    mutable std::mutex mutex;
    std::vector<std::string> recorded;
};

// Keeps the request; the test answers it with `choose` or `cancel`.
class ScriptedFolderChooser : public korvida::FolderChooser {
public:
    std::optional<korvida::FolderRequest> request;
    korvida::Window* sheetParent = nullptr;

    void chooseFolder(korvida::Window& parent, const korvida::FolderRequest& asked, Completion done) override;
    void choose(const std::string& folder);
    void cancel();

private:
    Completion completion;
};

struct AlertCall {
    std::string title;
    std::string message;
    std::string defaultButton;
    std::string alternateButton;
    std::string otherButton;
};

// Answers with the scripted choices in order (the default button when none is left) and
// records every alert.
class ScriptedAlert : public korvida::Alert {
public:
    std::deque<korvida::AlertChoice> answers;
    std::vector<AlertCall> calls;
    // Runs while each alert is open, as events do in a modal box's loop.
    std::function<void()> whileOpen;

    korvida::AlertChoice runAlertPanel(const std::string& title, const std::string& message,
                                       const std::string& defaultButton, const std::string& alternateButton,
                                       const std::string& otherButton) override;
};

// Holds posted work until the test drains it on its own thread.
class DrainableMainThreadQueue : public korvida::MainThreadQueue {
public:
    void post(std::function<void()> work) override;
    // Runs everything posted so far, and what that posts, in order; answers how many ran.
    int drain();
    std::size_t pending() const;

private:
    mutable std::mutex mutex;
    std::deque<std::function<void()>> queue;
};

// Counts the ticks asked for instead of waiting; `duringDelay` runs inside each wait, as the
// rest of the program (a worker) would meanwhile.
class FakeTickDelay : public korvida::TickDelay {
public:
    std::vector<int> delays;
    std::function<void(int ticks)> duringDelay;

    void delay(int ticks) override;
    int totalTicks() const;
};

// Keeps the one timer's interval and callback; the test fires it. Destroying the timer
// stops it, as a real one does.
class FakeTimers : public korvida::Timers {
public:
    double interval = 0.0;
    int scheduled = 0;

    std::unique_ptr<korvida::Timer> scheduledTimer(double intervalSeconds, std::function<void()> fire) override;
    void fire() const;
    // Work asked for on the next turn waits here until the test runs that turn.
    void runOnNextTurn(std::function<void()> work) override { nextTurn.push_back(std::move(work)); }
    void runNextTurn();
    std::vector<std::function<void()>> nextTurn;
    bool running() const { return static_cast<bool>(callback); }

private:
    class FakeTimer;
    std::function<void()> callback;
};

class FakeCursor : public korvida::Cursor {
public:
    korvida::Point location;
    bool hidden = false;
    korvida::Point mouseLocation() const override { return location; }
    void hideCursor() override { hidden = true; }
    void showCursor() override { hidden = false; }
};

// Makes windows unless told to refuse, and records which it made.
class FakeScreens : public korvida::Screens {
public:
    korvida::Rect frame = korvida::makeRect(0, 0, 1440, 900);
    int shieldingLevel = 1000;
    bool refuseWindows = false;
    std::vector<const korvida::Window*> created;
    korvida::Rect screenFrameOf(const korvida::Window&) const override { return frame; }
    int shieldingWindowLevel() const override { return shieldingLevel; }
    bool createWindow(korvida::Window& window, const korvida::Rect& contentRect, const korvida::Window&) override;
};

class FakeKeepAwake : public korvida::KeepAwake {
public:
    int reports = 0;
    void updateSystemActivity() override { ++reports; }
};

class FakeApplication : public korvida::Application {
public:
    int terminations = 0;
    void terminate() override { ++terminations; }
};

// One of each fake, handed to the controller as its services.
struct FakeServices {
    FakeMovies movies;
    FakeImages images;
    FakeResources resources;
    InMemoryDefaultsStore defaults;
    FakeWorkspace workspace;
    RecordingScriptRunner scripts;
    ScriptedFolderChooser folderChooser;
    ScriptedAlert alert;
    DrainableMainThreadQueue mainThread;
    FakeTickDelay tickDelay;
    FakeTimers timers;
    FakeCursor cursor;
    FakeScreens screens;
    FakeKeepAwake keepAwake;
    FakeApplication application;

    korvida::Services services();
};
