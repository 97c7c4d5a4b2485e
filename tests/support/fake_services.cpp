#include "support/fake_services.h"

#include <algorithm>
#include <numeric>

#include "platform/window.h"

namespace {

bool listed(const std::vector<std::string>& list, const std::string& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

std::shared_ptr<korvida::Image> squareImage()
{
    return std::make_shared<korvida::Image>(korvida::Size{100.0f, 100.0f});
}

} // namespace

std::shared_ptr<korvida::Movie> FakeMovies::openMovie(const std::string& path)
{
    opened.push_back(path);
    if (listed(unopenable, path))
        return nullptr;
    last = std::make_shared<FakeMovie>();
    return last;
}

std::shared_ptr<korvida::Image> FakeImages::imageNamed(const std::string& name, const std::string& type)
{
    if (listed(missing, name + "." + type))
        return nullptr;
    return squareImage();
}

std::shared_ptr<korvida::Image> FakeImages::imageWithData(const std::vector<std::uint8_t>& bytes)
{
    return bytes.empty() ? nullptr : squareImage();
}

std::shared_ptr<korvida::Image> FakeImages::imageWithContentsOfFile(const std::string& path)
{
    return listed(missing, path) ? nullptr : squareImage();
}

std::shared_ptr<korvida::Image> FakeImages::iconForFile(const std::string& path)
{
    iconsAskedFor.push_back(path);
    return squareImage();
}

std::optional<std::string> FakeResources::pathForResource(const std::string& name, const std::string& type)
{
    const auto found = paths.find(name + "." + type);
    if (found == paths.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string> InMemoryDefaultsStore::read(const std::string& key) const
{
    const auto found = values.find(key);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

void InMemoryDefaultsStore::write(const std::string& key, const std::string& value)
{
    values[key] = value;
    ++writes;
}

bool RecordingScriptRunner::executeScript(const std::string& source)
{
    {
        std::lock_guard lock(mutex);
        recorded.push_back(source);
    }
    if (whileRunning)
        whileRunning(source);
    return succeeds;
}

std::vector<std::string> RecordingScriptRunner::scripts() const
{
    std::lock_guard lock(mutex);
    return recorded;
}

void ScriptedFolderChooser::chooseFolder(korvida::Window& parent, const korvida::FolderRequest& asked, Completion done)
{
    sheetParent = &parent;
    request = asked;
    completion = std::move(done);
}

void ScriptedFolderChooser::choose(const std::string& folder)
{
    auto done = std::move(completion);
    completion = nullptr;
    if (done)
        done(folder);
}

void ScriptedFolderChooser::cancel()
{
    auto done = std::move(completion);
    completion = nullptr;
    if (done)
        done(std::nullopt);
}

korvida::AlertChoice ScriptedAlert::runAlertPanel(const std::string& title, const std::string& message,
                                                  const std::string& defaultButton, const std::string& alternateButton,
                                                  const std::string& otherButton)
{
    calls.push_back({title, message, defaultButton, alternateButton, otherButton});
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return korvida::AlertChoice::Default;
    const korvida::AlertChoice choice = answers.front();
    answers.pop_front();
    return choice;
}

void DrainableMainThreadQueue::post(std::function<void()> work)
{
    std::lock_guard lock(mutex);
    queue.push_back(std::move(work));
}

int DrainableMainThreadQueue::drain()
{
    int ran = 0;
    for (;;) {
        std::function<void()> work;
        {
            std::lock_guard lock(mutex);
            if (queue.empty())
                return ran;
            work = std::move(queue.front());
            queue.pop_front();
        }
        work();
        ++ran;
    }
}

std::size_t DrainableMainThreadQueue::pending() const
{
    std::lock_guard lock(mutex);
    return queue.size();
}

void FakeTickDelay::delay(int ticks)
{
    delays.push_back(ticks);
    if (duringDelay)
        duringDelay(ticks);
}

int FakeTickDelay::totalTicks() const
{
    return std::accumulate(delays.begin(), delays.end(), 0);
}

class FakeTimers::FakeTimer : public korvida::Timer {
public:
    explicit FakeTimer(FakeTimers& owner) : owner(owner) {}
    ~FakeTimer() override { owner.callback = nullptr; }

private:
    FakeTimers& owner;
};

std::unique_ptr<korvida::Timer> FakeTimers::scheduledTimer(double intervalSeconds, std::function<void()> fire)
{
    interval = intervalSeconds;
    callback = std::move(fire);
    ++scheduled;
    return std::make_unique<FakeTimer>(*this);
}

void FakeTimers::fire() const
{
    if (callback)
        callback();
}

void FakeTimers::runNextTurn()
{
    const auto due = std::move(nextTurn);
    nextTurn.clear();
    for (const auto& work : due)
        work();
}

bool FakeScreens::createWindow(korvida::Window& window, const korvida::Rect& contentRect, const korvida::Window&)
{
    if (refuseWindows)
        return false;
    if (std::find(created.begin(), created.end(), &window) == created.end()) {
        created.push_back(&window);
        window.setStyle(korvida::WindowStyle::Borderless);
        window.setFrame(contentRect);
    }
    return true;
}

korvida::Services FakeServices::services()
{
    return korvida::Services{movies,     images,    resources, defaults, workspace, scripts,   folderChooser, alert,
                             mainThread, tickDelay, timers,    cursor,   screens,   keepAwake, application};
}
