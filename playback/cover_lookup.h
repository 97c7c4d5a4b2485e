#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/stored_picture.h"
#include "platform/desktop.h"
#include "platform/images.h"
#include "playback/byte_source.h"
#include "playback/newest_work_thread.h"

namespace korvida {

// The tune whose cover is looked for.
struct CoverRequest {
    // The item's path on the player, and its type as `getFileType` gives it ("mp3").
    std::string path;
    std::string fileType;
    // The low 16 bits of the item's database record ID.
    std::uint16_t shortId = 0;
    // The cover the player keeps for the tune in its artwork database, if any, and the
    // player's folder its thumbnail file must lie in.
    std::optional<StoredPicture> storedCover;
    std::string playerFolder;
};

// A place a tune's cover may be found, given the tune's file as it was opened for reading
// (holding no bytes when it could not be): answers the picture's encoded bytes, or nothing.
// Runs on the cover thread.
using CoverSource =
    std::function<std::optional<std::vector<std::uint8_t>>(const CoverRequest& request, const ByteSource& file)>;

// Looks for tune covers on a thread of its own (see NewestWorkThread), so that a large, slow or
// hostile file never holds up the window. The file's own cover (`ownCover`) is tried first,
// then the sources in the order they were added, until one gives bytes that decode as a
// picture. The answer comes through the main-thread queue; an answer to a look that a newer
// one (or `forget`) has replaced is dropped, and a look not yet begun when a newer one comes
// is never made.
class CoverLookup {
public:
    // Runs on the main thread with the cover found, or null when there is none.
    using Found = std::function<void(std::shared_ptr<Image> cover)>;

    CoverLookup(MainThreadQueue& mainThread, Images& images);
    CoverLookup(const CoverLookup&) = delete;
    CoverLookup& operator=(const CoverLookup&) = delete;

    // On the main thread, before the first look.
    void addSource(CoverSource source);
    void lookFor(CoverRequest request, std::unique_ptr<ByteSource> file, Found found);
    // Drops the answer to the look under way, and a look not yet begun.
    void forget() { thread.forget(); }

private:
    std::shared_ptr<Image> coverOf(const CoverRequest& request, const ByteSource& file) const;

    Images& images;
    std::vector<CoverSource> sources;
    // Last, so that it is gone, the look under way ended, before the sources are.
    NewestWorkThread thread;
};

// The cover a tune file holds itself: for a file of type "mp3", the picture the ID3 scan finds
// (see findId3Picture); else, in any MP3 file, the cover of its ID3 tag read frame by frame.
std::optional<std::vector<std::uint8_t>> ownCover(const CoverRequest& request, const ByteSource& file);

} // namespace korvida
