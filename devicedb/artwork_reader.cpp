#include "devicedb/artwork_reader.h"

#include <unordered_map>

#include "devicedb/tag_finder.h"
#include "devicedb/thumbnail_scan.h"

namespace korvida {

std::error_code readArtworkDB(ByteView data, const std::string& iPodPath, Library& library,
                              const ScanProgress& progress)
{
    std::unordered_map<std::uint32_t, StoredPicture> covers;
    for (const auto& media : library.mediasVisible)
        if (media->getArtworkId() != 0)
            covers.emplace(media->getArtworkId(), StoredPicture{});
    if (covers.empty())
        return {};

    ProgressSteps steps(progress);
    ThumbnailScan thumbnails(iPodPath + "/iPod_Control/Artwork");
    std::uint32_t image = 0;
    const auto keepImage = [&] {
        if (const auto wanted = covers.find(image); wanted != covers.end() && thumbnails.largest())
            wanted->second = *thumbnails.largest();
    };
    // Image records are walked in file order; the file list that follows them ends the walk.
    for (std::size_t p = nextByteNear(data, 0, 'm'); p < data.size(); p = nextByteNear(data, p + 1, 'm')) {
        steps.at(p);
        if (tagAt(data, p, "mhii") && fits(data, p, 20)) {
            keepImage();
            thumbnails.startImage();
            image = le32At(data, p + 16);
        } else if (tagAt(data, p, "mhni")) {
            thumbnails.thumbnailHeader(data, p);
        } else if (tagAt(data, p, "mhod")) {
            thumbnails.fileNameRecord(data, p);
        } else if (tagAt(data, p, "mhlf")) {
            break;
        }
    }
    keepImage();

    for (const auto& media : library.mediasVisible)
        if (const auto cover = covers.find(media->getArtworkId()); cover != covers.end() && cover->second.file)
            media->setStoredPicture(cover->second);
    return {};
}

} // namespace korvida
