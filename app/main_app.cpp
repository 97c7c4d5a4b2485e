#include "app/main_app.h"

#include <algorithm>

MainApp::MainApp(const korvida::Services& services) : services(services), defaults(services.defaults)
{
    init();
    buildInterface();
    connectInterface();
}

MainApp::~MainApp()
{
    // A copy or import still walking the items must end before they go. Every queued and
    // running copy is cancelled first, so the join waits for one chunk, not the whole queue.
    importStopped.store(true);
    copyQueue.shutDown(mediasVisible, state.numberOfSaveMedia);
    if (worker.joinable())
        worker.join();
}

void MainApp::init()
{
    state.iTunesImportPlaylists.clear();
    medias.clear();
    wholeLists.forget();
    mediasVisible.clear();
    artists.clear();
    albums.clear();
    generes.clear();
    allMedias.clear();
    state.playLists.clear();
    searchMedias.clear();

    korvida::Images& images = services.images;
    palyButtonImageControllPanel = images.imageNamed("PlayControllPanel", "gif");
    pauseButtonImageControllPanel = images.imageNamed("PauseControllPanel", "gif");
    fastFButtonImageControllPanel = images.imageNamed("FastForwardControllPanel", "gif");
    fastBButtonImageControllPanel = images.imageNamed("FastBackControllPanel", "gif");
    fastFButtonImageControllPanelDown = images.imageNamed("FastForwardControllPanelDown", "gif");
    fastBButtonImageControllPanelDown = images.imageNamed("FastBackControllPanelDown", "gif");
    backImageControllPanel = images.imageNamed("BackControllPanel", "gif");
    nextImageControllPanel = images.imageNamed("NextControllPanel", "gif");
    windowImageControllPanel = images.imageNamed("Window", "png");
    fullScreenImage = images.imageNamed("FullScreen", "png");
    if (fullScreenImage) {
        fullScreenImage->setScalesWhenResized(true);
        fullScreenImage->setSize(korvida::Size{25.0f, 25.0f});
    }
    inImage = images.imageNamed("DropiPod", "png");
}

void MainApp::startWorker(std::function<void()> run)
{
    if (worker.joinable())
        worker.join();
    workerRunning.store(true);
    worker = std::thread([this, run = std::move(run)] {
        run();
        workerRunning.store(false);
    });
}

int MainApp::pendingCopies() const
{
    return static_cast<int>(std::count_if(mediasVisible.begin(), mediasVisible.end(), [](const auto& media) {
        return media->getShouldStartCopy() || media->getIsCopying();
    }));
}
