#pragma once

#include <memory>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/photo_scan.h"
#include "library/play_list.h"

namespace korvida {

// The albums of a Photo Database. The walk from an album header takes the second string
// record of the album section for the first album and the next one for every later album;
// an album named "Dissolve" (the library album's slide-show transition) is not an album.
class AlbumScan {
public:
    AlbumScan(const std::vector<std::unique_ptr<InMedia>>& medias, const PhotoScan& photos,
              std::vector<std::unique_ptr<PlayList>>& playLists);

    void read(ByteView data, std::size_t p);

private:
    std::size_t nameRecordAfter(ByteView data, std::size_t p);
    void addMembers(ByteView data, std::size_t from, PlayList& album) const;

    const std::vector<std::unique_ptr<InMedia>>& medias;
    const PhotoScan& photos;
    std::vector<std::unique_ptr<PlayList>>& playLists;
    int nameRecordsMet = 0;
};

} // namespace korvida
