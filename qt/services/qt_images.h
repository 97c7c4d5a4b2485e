#pragma once

#include <QImage>
#include <QString>

#include "platform/images.h"

namespace korvida::qt {

// Enough for the picture area and full screen, while a huge cover costs neither the memory
// nor the time of its full size.
constexpr int kLargestDecodedSide = 1024;

// The decoded pixels of a picture made by the Qt images service, or null for a picture from
// elsewhere.
const QImage* qImageOf(const Image& image);

// Wraps decoded pixels as a picture of the program; nothing for a null image.
std::shared_ptr<Image> makeImage(QImage pixels);

// Pictures from the program's resources (":/Name.type"), from bytes, from files, and the
// desktop's icons of files and folders. A picture from bytes is decoded at most
// `kLargestDecodedSide` pixels across.
class QtImages : public Images {
public:
    std::shared_ptr<Image> imageNamed(const std::string& name, const std::string& type) override;
    std::shared_ptr<Image> imageWithData(const std::vector<std::uint8_t>& bytes) override;
    std::shared_ptr<Image> imageWithContentsOfFile(const std::string& path) override;
    std::shared_ptr<Image> iconForFile(const std::string& path) override;
};

// Files shipped inside the program: copied once out of the resources into the user's cache
// folder, where players and browsers can open them by path.
class QtResources : public Resources {
public:
    explicit QtResources(QString cacheFolder);
    std::optional<std::string> pathForResource(const std::string& name, const std::string& type) override;

    // The cache folder used by the program when none is given.
    static QString defaultCacheFolder();

private:
    QString cacheFolder;
};

} // namespace korvida::qt
