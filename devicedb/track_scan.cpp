#include "devicedb/track_scan.h"

#include "devicedb/device_path.h"
#include "devicedb/device_text.h"
#include "devicedb/file_type.h"
#include "devicedb/itunesdb_records.h"
#include "devicedb/tag_set.h"
#include "devicedb/track_statistics.h"

namespace korvida {

namespace {

// No player stores a location anywhere near this long; the bound keeps a damaged file
// whose texts run on for megabytes from making every track hold all of it.
constexpr std::size_t kMaxLocationUnits = 4096;

const std::string kUnknown = "Unknown";

bool isMovieType(const std::string& type)
{
    return type == "mp4" || type == "mov" || type == "m4v";
}

} // namespace

TrackScan::TrackScan(ByteView data, const std::string& iPodPath, std::vector<std::unique_ptr<InMedia>>& medias)
    : musicFolder(iPodPath + "/iPod_Control/Music"),
      medias(medias),
      locations(data, locationAt, ':', kTextReach),
      budget(ItemBudget::forItems(data.size()))
{}

// The data as far as the text of the record or location at p may reach.
ByteView TrackScan::upToNextLocation(ByteView data, std::size_t p)
{
    return data.first(locations.nextFrom(p + 1));
}

void TrackScan::examine(ByteView data, std::size_t p)
{
    if (tagAt(data, p, "mhit"))
        startRecord(data, p);
    if (anyStringRecordTagAt(data, p))
        readString(data, p);
    else if (locationAt(data, p))
        makeTrack(data, p);
}

void TrackScan::startRecord(ByteView data, std::size_t p)
{
    byte1 = byteOrZero(data, p + 16);
    byte2 = byteOrZero(data, p + 17);
    trackNumber = static_cast<std::int8_t>(byteOrZero(data, p + 44));
    // The ID of the tune's image record in the artwork database, in headers long enough.
    artworkId = le32At(data, p + 4) >= 356 ? le32At(data, p + 352) : 0;
    statistics = readTrackStatistics(data, p);
    current = {};
    recordTrack = nullptr;
}

void TrackScan::readString(ByteView data, std::size_t p)
{
    if (!stringRecordAt(data, p))
        return;
    Field field;
    switch (data[p + 12]) {
    case 1: field = Title; break;
    case 3: field = Album; break;
    case 4: field = Artist; break;
    case 5: field = Genre; break;
    default: return;
    }
    std::string text = readUnitText(upToNextLocation(data, p), p + 38, iTunesDBRecordTags()).text;
    if (text.empty())
        return;
    // A string after the location belongs to the track already made from this record,
    // unless that track has this field from a string of its own (then it is the string
    // of a further track in the same record).
    if (recordTrack && !given[field]) {
        setField(*recordTrack, field, text);
        given[field] = true;
    } else {
        current[field] = std::move(text);
    }
}

void TrackScan::makeTrack(ByteView data, std::size_t p)
{
    if (!budget.take())
        return;
    // The text starts with the ":" before the folder.
    const std::string relative =
        readUnitText(upToNextLocation(data, p), p + 38, iTunesDBRecordTags(), kMaxLocationUnits, true).text;
    const std::string path = pathInside(musicFolder, splitAtColons(relative));

    auto media = std::make_unique<InMedia>();
    for (int field = Title; field < FieldCount; ++field) {
        given[field] = !current[field].empty();
        setField(*media, static_cast<Field>(field), given[field] || field == Title ? current[field] : kUnknown);
    }
    media->setFileType(getFileType(path));
    media->setPath(path);
    media->setTuneOnCdNr(trackNumber);
    media->setByte1mediaID(byte1);
    media->setByte2mediaID(byte2);
    media->setArtworkId(artworkId);
    media->setStatistics(statistics);
    const bool isMovie = isMovieType(media->getFileType());
    media->setMediaType(isMovie ? InMedia::kMovie : InMedia::kMusic);
    (isMovie ? movie : music) = true;

    index.add(media->shortId(), static_cast<std::uint32_t>(medias.size()));
    recordTrack = media.get();
    medias.push_back(std::move(media));
    current = {};
}

void TrackScan::setField(InMedia& media, Field field, const std::string& text)
{
    switch (field) {
    case Title: media.setName(text); break;
    case Album: media.setAlbum(text); break;
    case Artist: media.setArtist(text); break;
    case Genre: media.setGenere(text); break;
    case FieldCount: break;
    }
}

} // namespace korvida
