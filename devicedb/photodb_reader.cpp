#include "devicedb/photodb_reader.h"

#include <algorithm>

#include "devicedb/album_scan.h"
#include "devicedb/photo_scan.h"
#include "devicedb/photodb_records.h"
#include "devicedb/tag_finder.h"

namespace korvida {

std::error_code readPhotoDatabase(ByteView data, const std::string& iPodPath, Library& library,
                                  const ScanProgress& progress)
{
    ProgressSteps steps(progress);
    auto entry = std::make_unique<PlayList>();
    entry->setListName("Photos");
    entry->setIsSubList(true);
    library.playLists.push_back(std::move(entry));

    PhotoScan photos(data, iPodPath, library.mediasVisible);
    AlbumScan albums(data, library.mediasVisible, photos, library.playLists, progress);
    bool albumSection = false;

    // Only positions that can start a record ("m") or a full-resolution text (":") need a
    // look; the search for them stays near the scan, and the look finds nothing elsewhere.
    std::size_t nextM = nextByteNear(data, 0, 'm');
    std::size_t nextColon = nextByteNear(data, 0, ':');
    while (true) {
        const std::size_t p = std::min(nextM, nextColon);
        if (p >= data.size() || tagAt(data, p, "mhif"))
            break;
        steps.at(p);
        if (!albumSection && tagAt(data, p, "mhii"))
            photos.imageHeader(data, p);
        if (!albumSection && tagAt(data, p, "mhni"))
            photos.thumbnailHeader(data, p);
        if (!albumSection && tagAt(data, p, "mhod")) {
            photos.nameRecord(data, p);
        } else if (fullResolutionAt(data, p)) {
            photos.makePhoto(data, p);
        } else if (tagAt(data, p, "mhba")) {
            if (!albumSection)
                photos.finishImage();
            albumSection = true;
            albums.read(p);
        }
        if (p == nextM)
            nextM = nextByteNear(data, p + 1, 'm');
        if (p == nextColon)
            nextColon = nextByteNear(data, p + 1, ':');
    }
    photos.finishImage();
    const bool overrun = photos.overrun() || albums.overrun();
    return overrun ? make_error_code(DatabaseReadError::tooManyItems) : std::error_code{};
}

} // namespace korvida
