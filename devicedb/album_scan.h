#pragma once

#include <memory>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/item_budget.h"
#include "devicedb/photo_scan.h"
#include "devicedb/scan_progress.h"
#include "devicedb/tag_finder.h"
#include "library/play_list.h"

namespace korvida {

// The albums of a Photo Database. The walk from an album header takes the second string
// record of the album section for the first album and the next one for every later album;
// an album named "Dissolve" (the library album's slide-show transition) is not an album.
// An album holds each photo once, however many of its items name the photo's short ID,
// and a read holds at most one member per sixteen bytes of the file, so that the members
// of a damaged file take less memory than the file itself.
class AlbumScan {
public:
    // The walk over an album's items tells `progress` how far it has come, so that the pages
    // of a long album can be given back before the walk ends.
    AlbumScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias, const PhotoScan& photos,
              std::vector<std::unique_ptr<PlayList>>& playLists, const ScanProgress& progress);

    void read(std::size_t p);
    // Whether the albums named more members than the file's size allows.
    bool overrun() const { return memberBudget.overrun(); }

private:
    std::size_t nameRecordAfter(std::size_t p);
    void addMembers(std::size_t from, PlayList& album);
    void addPhotosOf(std::uint16_t shortId, PlayList& album);

    ByteView data;
    const std::vector<std::unique_ptr<InMedia>>& medias;
    const PhotoScan& photos;
    std::vector<std::unique_ptr<PlayList>>& playLists;
    const ScanProgress& progress;
    TagFinder places;                    // full-resolution texts, where an album name ends at the latest
    std::vector<bool> idInAlbum;         // the short IDs the current album has taken
    std::vector<std::uint16_t> idsTaken; // the same, to clear them for the next album
    ItemBudget memberBudget;
    int nameRecordsMet = 0;
};

} // namespace korvida
