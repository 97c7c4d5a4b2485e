#include "app/main_app.h"

#include "copy/player_file.h"
#include "picture/image_encode.h"
#include "picture/stored_picture_load.h"

std::optional<std::vector<std::uint8_t>> MainApp::storedCover(const korvida::CoverRequest& request,
                                                              const korvida::ByteSource& /*file*/)
{
    if (!request.storedCover)
        return std::nullopt;
    const auto file = korvida::resolvePlayerFile(*request.storedCover->file, request.playerFolder);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> png = korvida::encodePng(korvida::loadStoredPicture(*request.storedCover, *file));
    if (png.empty())
        return std::nullopt;
    return png;
}
