#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "devicedb/byte_view.h"
#include "devicedb/item_budget.h"
#include "devicedb/short_id_index.h"
#include "devicedb/tag_finder.h"
#include "library/in_media.h"

namespace korvida {

// The track section of an iTunesDB, examined one byte position at a time. A track is made
// at its location text, in file order, and takes the strings of its own track record,
// those before the location and those after it up to the next track header. Every text
// ends where the next location begins, so no byte of the file is read into two texts, and
// the tracks are no more than the file's size allows.
class TrackScan {
public:
    TrackScan(ByteView data, const std::string& iPodPath, std::vector<std::unique_ptr<InMedia>>& medias);

    void examine(ByteView data, std::size_t p);

    bool madeMovie() const { return movie; }
    bool madeMusic() const { return music; }
    // Whether the file announced more tracks than its size allows.
    bool overrun() const { return budget.overrun(); }
    const ShortIdIndex& shortIds() const { return index; }

private:
    enum Field {
        Title,
        Album,
        Artist,
        Genre,
        FieldCount
    };

    void startRecord(ByteView data, std::size_t p);
    void readString(ByteView data, std::size_t p);
    void makeTrack(ByteView data, std::size_t p);
    static void setField(InMedia& media, Field field, const std::string& text);
    ByteView upToNextLocation(ByteView data, std::size_t p);

    std::string musicFolder;
    std::vector<std::unique_ptr<InMedia>>& medias;
    ShortIdIndex index;
    TagFinder locations;
    ItemBudget budget;

    std::array<std::string, FieldCount> current; // strings read for a track not made yet
    InMedia* recordTrack = nullptr;              // the track made in the current record
    std::array<bool, FieldCount> given{};        // which fields of recordTrack a string gave
    std::uint8_t byte1 = 0;
    std::uint8_t byte2 = 0;
    int trackNumber = 0;
    std::uint32_t artworkId = 0;
    TuneStatistics statistics; // kept, like the short ID, for a track without a header of its own
    bool movie = false;
    bool music = false;
};

} // namespace korvida
