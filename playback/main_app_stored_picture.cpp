#include "app/main_app.h"

#include "copy/player_file.h"
#include "picture/image_encode.h"
#include "picture/stored_picture_load.h"

std::shared_ptr<korvida::Image> MainApp::storedCover(const std::string& path)
{
    const InMedia* media = lastPlaydMedia;
    if (media == nullptr || media->getPath() != path || media->getStoredPicture() == nullptr)
        return nullptr;
    const StoredPicture& cover = *media->getStoredPicture();
    const auto file = korvida::resolvePlayerFile(*cover.file, state.iPodPath);
    if (!file)
        return nullptr;
    const std::vector<std::uint8_t> png = korvida::encodePng(korvida::loadStoredPicture(cover, *file));
    return png.empty() ? nullptr : services.images.imageWithData(png);
}
