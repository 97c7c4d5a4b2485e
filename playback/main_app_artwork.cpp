#include "app/main_app.h"

#include "copy/player_file.h"
#include "devicedb/file_type.h"
#include "presentation/fitting.h"

void MainApp::getID3Image(const std::string& path)
{
    inImage = services.images.iconForFile(path);
    if (inImage)
        inImage->setScalesWhenResized(true);
    // Opened here, without blocking, and read on the cover thread: only a regular file
    // inside the player.
    auto file = std::make_unique<korvida::FileByteSource>(korvida::openPlayerFile(path, state.iPodPath));
    korvida::CoverRequest request{path, korvida::getFileType(path), 0, {}, state.iPodPath};
    if (lastPlaydMedia != nullptr) {
        request.shortId = lastPlaydMedia->shortId();
        if (const StoredPicture* stored = lastPlaydMedia->getStoredPicture())
            request.storedCover = *stored;
    }
    coverLookup.lookFor(std::move(request), std::move(file), [this](std::shared_ptr<korvida::Image> cover) {
        if (!cover || whatIsTypeIsPlaying != 2)
            return;
        cover->setScalesWhenResized(true);
        inImage = std::move(cover);
        placeTunePicture();
    });
}

void MainApp::placeTunePicture()
{
    if (!fullScreen) {
        const korvida::Size window = mainWindow->frame().size;
        const auto area = korvida::makeRect(dragX, dragY, window.width - dragX - 14.0f, window.height - 120.0f);
        if (inImage)
            inImage->setSize(korvida::getImageRess(*inImage, area));
        inImageView->setImageScaling(korvida::ImageScaling::Proportionally);
        inImageView->setImage(inImage);
        return;
    }
    const korvida::Rect screen = services.screens.screenFrameOf(*mainWindow);
    const float part = controllPanelFullScreen->isVisible() ? 3.5f : 3.0f;
    if (inImage)
        inImage->setSize(korvida::getImageRess(
            *inImage, korvida::makeRect(0, 0, screen.size.width / part, screen.size.height / part)));
    inImageViewFullScreen->setImage(inImage);
}
