#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "library/stored_picture.h"
#include "platform/desktop.h"
#include "platform/images.h"
#include "playback/byte_source.h"

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

// Looks for tune covers on a thread of its own, so that a large, slow or hostile file never
// holds up the window, playback or the media keys. The file's own cover (`ownCover`) is tried
// first, then the sources in the order they were added, until one gives bytes that decode as
// a picture. The answer comes through the
// main-thread queue; an answer to a look that a newer one (or `forget`) has replaced is
// dropped, and a look not yet begun when a newer one comes is never made.
class CoverLookup {
public:
    // Runs on the main thread with the cover found, or null when there is none.
    using Found = std::function<void(std::shared_ptr<Image> cover)>;

    CoverLookup(MainThreadQueue& mainThread, Images& images);
    // Waits for a look under way to end; no answer comes afterwards.
    ~CoverLookup();
    CoverLookup(const CoverLookup&) = delete;
    CoverLookup& operator=(const CoverLookup&) = delete;

    // On the main thread, before the first look.
    void addSource(CoverSource source);
    void lookFor(CoverRequest request, std::unique_ptr<ByteSource> file, Found found);
    // Drops the answer to the look under way, and a look not yet begun.
    void forget();

private:
    struct Look {
        CoverRequest request;
        std::unique_ptr<ByteSource> file;
        Found found;
        std::uint64_t number = 0;
    };

    void run();
    std::shared_ptr<Image> coverOf(const Look& look) const;

    MainThreadQueue& mainThread;
    Images& images;
    std::vector<CoverSource> sources;
    // The number of the newest look, read by the answers on the main thread; the answers
    // hold it weakly, so that none runs once the lookup is gone.
    std::shared_ptr<std::uint64_t> newest = std::make_shared<std::uint64_t>(0);
    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Look> waiting;
    bool stopping = false;
    std::thread worker;
};

// The cover a tune file holds itself: for a file of type "mp3", the picture the ID3 scan finds
// (see findId3Picture); else, in any MP3 file, the cover of its ID3 tag read frame by frame.
std::optional<std::vector<std::uint8_t>> ownCover(const CoverRequest& request, const ByteSource& file);

} // namespace korvida
