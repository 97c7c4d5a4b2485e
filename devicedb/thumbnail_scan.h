#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "devicedb/byte_view.h"
#include "library/stored_picture.h"

namespace korvida {

// The thumbnails of the image records (mhii) of an artwork or photo database. Each
// thumbnail header (mhni) gives the place, byte count and size of a frame in a thumbnail
// file; the file-name record (an mhod of type 3) after it names that file, relative to
// `folder`. Of an image's thumbnails the largest one that lies whole inside its file is
// kept; one whose byte count does not fit its size, or that reaches past its file's end,
// is passed over like a missing file.
class ThumbnailScan {
public:
    explicit ThumbnailScan(std::string folder) : folder(std::move(folder)) {}

    // Forgets the thumbnails of the image before.
    void startImage();
    void thumbnailHeader(ByteView data, std::size_t p);
    void fileNameRecord(ByteView data, std::size_t p);

    // The largest fitting thumbnail of the current image.
    const std::optional<StoredPicture>& largest() const { return best; }

private:
    struct KnownFile {
        std::shared_ptr<const std::string> path;
        std::optional<std::uint64_t> size; // none: missing or not a regular file
    };
    const KnownFile* fileNamed(const std::string& relative);

    std::string folder;
    std::optional<StoredPicture> pending; // a header still waiting for its file name
    std::optional<StoredPicture> best;
    // Each file is looked at once; a damaged database naming thousands is not followed.
    std::unordered_map<std::string, KnownFile> files;
};

} // namespace korvida
