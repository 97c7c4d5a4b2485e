#include "app/main_app.h"

#include "playback/id3_picture.h"

void MainApp::getID3Image(const std::string& path)
{
    std::shared_ptr<korvida::Image> picture;
    if (const auto bytes = korvida::readId3Picture(korvida::FileByteSource(path)))
        picture = services.images.imageWithData(*bytes);
    inImage = picture ? picture : coverOrIcon(path);
}

std::shared_ptr<korvida::Image> MainApp::coverOrIcon(const std::string& path)
{
    std::shared_ptr<korvida::Image> picture = services.images.embeddedCover(path);
    if (!picture)
        picture = storedCover(path);
    if (!picture)
        picture = services.images.iconForFile(path);
    if (picture)
        picture->setScalesWhenResized(true);
    return picture;
}
