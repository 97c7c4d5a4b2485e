#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/item_budget.h"
#include "devicedb/short_id_index.h"
#include "devicedb/tag_finder.h"
#include "devicedb/thumbnail_scan.h"
#include "library/in_media.h"

namespace korvida {

// The images of a Photo Database: each full-resolution text makes a photo whose artist,
// album and day are the year, month and day folders it is stored in. An image record with
// no full-resolution text is a photo kept only as the player's thumbnails: it is named
// "Photo 0001" and so on, dated from its record, and shows its largest thumbnail. Every
// text of the file ends where the next full-resolution text begins, so no byte is read
// into two texts, and the photos are no more than the file's size allows.
class PhotoScan {
public:
    PhotoScan(ByteView data, const std::string& iPodPath, std::vector<std::unique_ptr<InMedia>>& medias);

    void imageHeader(ByteView data, std::size_t p);
    void nameRecord(ByteView data, std::size_t p);
    void makePhoto(ByteView data, std::size_t p);
    void thumbnailHeader(ByteView data, std::size_t p) { thumbnails.thumbnailHeader(data, p); }
    // The image record before is complete: the image section ends, or the next begins.
    void finishImage();

    // The photos of this read, by short ID; item numbers count from the first photo.
    const ShortIdIndex& shortIds() const { return index; }
    std::size_t firstPhoto() const { return start; }
    // Whether the file announced more photos than its size allows.
    bool overrun() const { return budget.overrun(); }

    // The data as far as a text that starts after p may reach.
    ByteView upToNextPlace(ByteView data, std::size_t p) { return data.first(places.nextFrom(p + 1)); }

private:
    void makeThumbnailPhoto();

    std::string fullResolutionFolder;
    std::string thumbsFolder;
    std::vector<std::unique_ptr<InMedia>>& medias;
    std::size_t start;
    ShortIdIndex index;
    TagFinder places;
    ItemBudget budget;
    std::string currentName; // kept for every later photo once a name record was read
    std::uint8_t byte1 = 0;
    std::uint8_t byte2 = 0;
    ThumbnailScan thumbnails;
    bool inImage = false;          // an image record was begun and not finished
    bool imageHasOriginal = false; // it named a full-resolution file
    std::uint32_t imageDate = 0;   // seconds since 1904, in the player's clock
    int thumbnailPhotos = 0;
};

} // namespace korvida
