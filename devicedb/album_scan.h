#pragma once

#include <memory>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/photo_scan.h"
#include "devicedb/tag_finder.h"
#include "library/play_list.h"

namespace korvida {

// The albums of a Photo Database. The walk from an album header takes the second string
// record of the album section for the first album and the next one for every later album;
// an album named "Dissolve" (the library album's slide-show transition) is not an album.
// An album holds each photo once, however many of its items name the photo's short ID,
// and a read holds at most one member per eight bytes of the file, so that the members of
// a damaged file cannot outgrow the file itself.
class AlbumScan {
public:
    AlbumScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias, const PhotoScan& photos,
              std::vector<std::unique_ptr<PlayList>>& playLists);

    void read(std::size_t p);

private:
    std::size_t nameRecordAfter(std::size_t p);
    void addMembers(std::size_t from, PlayList& album);
    void addPhotosOf(std::uint16_t shortId, PlayList& album);

    ByteView data;
    const std::vector<std::unique_ptr<InMedia>>& medias;
    const PhotoScan& photos;
    std::vector<std::unique_ptr<PlayList>>& playLists;
    TagFinder places;                    // full-resolution texts, where an album name ends at the latest
    std::vector<bool> idInAlbum;         // the short IDs the current album has taken
    std::vector<std::uint16_t> idsTaken; // the same, to clear them for the next album
    std::size_t memberBudget;
    int nameRecordsMet = 0;
};

} // namespace korvida
