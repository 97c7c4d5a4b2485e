#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "library/stored_picture.h"

#include "library/tune_statistics.h"

// One tune, movie or photo of the opened player.
//
// The copy-state fields (flags, size and position) are written by the copy and import
// workers while the main thread reads them, so each is an atomic read and written whole.
// The name is guarded by a lock: a worker marks a missing file's name "BROKEN !! " while
// the table drawing on the main thread reads it. A player can hold hundreds of thousands
// of items, so the item is kept small: the locks are shared among items, and the texts
// only photos have are kept apart.
class InMedia {
public:
    static constexpr int kMovie = 1;
    static constexpr int kMusic = 2;
    static constexpr int kPhoto = 3;
    // What a missing file's name is marked with, in front of its title.
    static constexpr std::string_view kBrokenMark = "BROKEN !! ";

    InMedia() = default;
    InMedia(const InMedia&) = delete;
    InMedia& operator=(const InMedia&) = delete;

    bool getIsPlaying() const { return isPlaying.load(std::memory_order_relaxed); }
    void setIsPlaying(bool value) { isPlaying.store(value, std::memory_order_relaxed); }

    bool getIsCopying() const { return isCopying.load(std::memory_order_relaxed); }
    void setIsCopying(bool value) { isCopying.store(value, std::memory_order_relaxed); }

    bool getShouldStartCopy() const { return shouldStartCopy.load(std::memory_order_relaxed); }
    void setShouldStartCopy(bool value) { shouldStartCopy.store(value, std::memory_order_relaxed); }

    void setShouldStopCopy(bool value) { shouldStopCopy.store(value, std::memory_order_relaxed); }
    bool getShouldStopCopy() const { return shouldStopCopy.load(std::memory_order_relaxed); }
    // Reads and clears the cancel request in one step, so a request made meanwhile is not lost.
    bool takeShouldStopCopy() { return shouldStopCopy.exchange(false, std::memory_order_relaxed); }

    // The last copy run could not copy this item; it says so until the next run.
    bool getCopyFailed() const { return copyFailed.load(std::memory_order_relaxed); }
    void setCopyFailed(bool value) { copyFailed.store(value, std::memory_order_relaxed); }
    // Why the item's last copy failed (an error number or a reason of the copy's own), 0
    // after a copy that did not fail.
    int getCopyFailure() const { return copyFailure.load(std::memory_order_relaxed); }
    void setCopyFailure(int value) { copyFailure.store(value, std::memory_order_relaxed); }

    // The item is queued or copied by an import rather than a plain copy; its name says so.
    bool getIsImporting() const { return isImporting.load(std::memory_order_relaxed); }
    void setIsImporting(bool value) { isImporting.store(value, std::memory_order_relaxed); }

    bool getIsBroken() const { return isBroken.load(std::memory_order_relaxed); }
    void setIsBroken(bool value) { isBroken.store(value, std::memory_order_relaxed); }

    // Size and progress in tens of bytes, the unit of the copy progress indicator.
    std::uint64_t getFileSize() const { return fileSize.load(std::memory_order_relaxed) / 10; }
    std::uint64_t getPosisjon() const { return posisjon.load(std::memory_order_relaxed) / 10; }
    // The copy publishes its size and position in bytes.
    void setFileSizeInBytes(std::uint64_t value) { fileSize.store(value, std::memory_order_relaxed); }
    void setPosisjonInBytes(std::uint64_t value) { posisjon.store(value, std::memory_order_relaxed); }

    // Set while the item is read, before other threads see it.
    void setNameWithType(const std::string& value) { photoTexts().nameWithType = value; }
    const std::optional<std::string>& getNameWithType() const { return photoOnly ? photoOnly->nameWithType : kNoText; }

    // The title decorated with the item's play and copy state.
    std::string getName() const;
    std::string getCleanName() const;
    // The item's own title: the stored name without the mark of a missing file.
    std::string getOwnName() const;
    void setName(const std::string& value);
    // Puts `prefix` in front of the stored title in one step, while a reader may be drawing it.
    void prefixName(const std::string& prefix);

    const std::string& getArtist() const { return artist; }
    void setArtist(const std::string& value) { artist = value; }
    const std::string& getAlbum() const { return album; }
    void setAlbum(const std::string& value) { album = value; }
    const std::string& getGenere() const { return genere; }
    void setGenere(const std::string& value) { genere = value; }

    // Set while the item is read, before other threads see it.
    void setDay(const std::string& value) { photoTexts().day = value; }
    const std::optional<std::string>& getDay() const { return photoOnly ? photoOnly->day : kNoText; }

    const std::string& getFileType() const { return fileType; }
    void setFileType(const std::string& value) { fileType = value; }
    const std::string& getInfo() const { return info; }
    void setInfo(const std::string& value) { info = value; }
    const std::string& getPath() const { return path; }
    void setPath(const std::string& value) { path = value; }

    int getMediaType() const { return mediaType; }
    void setMediaType(int value) { mediaType = value; }
    int getTuneOnCdNr() const { return tuneOnCdNr; }
    void setTuneOnCdNr(int value) { tuneOnCdNr = value; }

    // Ticked on the main thread while a copy or import worker reads it.
    bool getTaged() const { return taged.load(std::memory_order_relaxed); }
    void setTaged(bool value) { taged.store(value, std::memory_order_relaxed); }

    // Set while the item is read, before other threads see it.
    const TuneStatistics& getStatistics() const { return statistics; }
    void setStatistics(const TuneStatistics& value) { statistics = value; }

    std::uint8_t getByte1mediaID() const { return byte1mediaID; }
    void setByte1mediaID(std::uint8_t value) { byte1mediaID = value; }
    std::uint8_t getByte2mediaID() const { return byte2mediaID; }
    void setByte2mediaID(std::uint8_t value) { byte2mediaID = value; }
    // The low 16 bits of the item's database record ID, by which members are resolved.
    std::uint16_t shortId() const { return static_cast<std::uint16_t>(byte1mediaID | (byte2mediaID << 8)); }

    // The record ID of the tune's cover in the artwork database; 0 for none.
    std::uint32_t getArtworkId() const { return artworkId; }
    void setArtworkId(std::uint32_t value) { artworkId = value; }
    // The picture the player keeps for the item in its thumbnail files: a tune's cover, or
    // the only picture of a photo kept as thumbnails (isThumbnailPhoto). Set while the
    // item is read, before other threads see it.
    const StoredPicture* getStoredPicture() const { return storedPicture.get(); }
    void setStoredPicture(const StoredPicture& value) { storedPicture = std::make_unique<StoredPicture>(value); }
    bool isThumbnailPhoto() const { return mediaType == kPhoto && storedPicture != nullptr; }

private:
    struct PhotoTexts {
        std::optional<std::string> day;
        std::optional<std::string> nameWithType; // the file's own name, with its extension
    };
    static inline const std::optional<std::string> kNoText;

    PhotoTexts& photoTexts();
    std::mutex& nameLock() const;

    std::atomic<bool> isPlaying{false};
    std::atomic<bool> isCopying{false};
    std::atomic<bool> shouldStartCopy{false};
    std::atomic<bool> shouldStopCopy{false};
    std::atomic<bool> isBroken{false};
    std::atomic<bool> copyFailed{false};
    std::atomic<bool> isImporting{false};
    std::atomic<int> copyFailure{0};
    std::atomic<std::uint64_t> fileSize{0};
    std::atomic<std::uint64_t> posisjon{0};
    std::unique_ptr<PhotoTexts> photoOnly;
    std::string name;
    std::string artist;
    std::string album;
    std::string genere;
    std::string fileType;
    std::string info;
    std::string path;
    int mediaType = 0;
    int tuneOnCdNr = 0;
    std::atomic<bool> taged{false};
    TuneStatistics statistics;
    std::uint8_t byte1mediaID = 0;
    std::uint8_t byte2mediaID = 0;
    std::uint32_t artworkId = 0;
    std::unique_ptr<const StoredPicture> storedPicture;
};
