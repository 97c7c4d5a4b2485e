#include "devicedb/album_scan.h"

#include "devicedb/device_text.h"
#include "devicedb/photodb_records.h"
#include "devicedb/tag_set.h"

namespace korvida {

namespace {

// An album name ends at the next string record or album item, and also where the album's
// records end: an album without items is followed directly by the next album header or
// section header, whose bytes are no part of the name.
const TagSet& albumNameEnds()
{
    static const TagSet tags{"mhod", "mhia", "mhba", "mhsd", "mhif"};
    return tags;
}

} // namespace

AlbumScan::AlbumScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias, const PhotoScan& photos,
                     std::vector<std::unique_ptr<PlayList>>& playLists, const ScanProgress& progress)
    : data(data),
      medias(medias),
      photos(photos),
      playLists(playLists),
      progress(progress),
      places(data, fullResolutionAt, ':', kTextReach),
      memberBudget(ItemBudget::forMembers(data.size()))
{}

// The string record that names the album whose header is at p, or the data's size. A walk
// that meets a second further album header gives up: a damaged file with many headers
// and no names would otherwise give every one of them the same far-away name.
std::size_t AlbumScan::nameRecordAfter(std::size_t p)
{
    int headersPassed = 0;
    for (std::size_t q = nextByte(data, p + 22, 'm'); q < data.size(); q = nextByte(data, q + 1, 'm')) {
        if (tagAt(data, q, "mhif"))
            break;
        if (tagAt(data, q, "mhba") && ++headersPassed > 1)
            break;
        if (tagAt(data, q, "mhod") && nameRecordsMet++ > 0)
            return q;
    }
    return data.size();
}

void AlbumScan::addPhotosOf(std::uint16_t shortId, PlayList& album)
{
    if (idInAlbum.empty())
        idInAlbum.resize(UINT16_MAX + 1);
    if (idInAlbum[shortId])
        return;
    idInAlbum[shortId] = true;
    idsTaken.push_back(shortId);
    const ShortIdIndex& shortIds = photos.shortIds();
    for (std::uint32_t photo = shortIds.first(shortId); photo != ShortIdIndex::kNone && memberBudget.take();
         photo = shortIds.next(photo))
        album.addMedia(medias[photos.firstPhoto() + photo].get());
}

void AlbumScan::addMembers(std::size_t from, PlayList& album)
{
    ProgressSteps steps(progress, from);
    for (std::size_t q = nextByte(data, from, 'm'); q < data.size(); q = nextByte(data, q + 1, 'm')) {
        steps.at(q);
        if (tagAt(data, q, "mhba") || tagAt(data, q, "mhsd"))
            break;
        if (albumItemAt(data, q))
            addPhotosOf(static_cast<std::uint16_t>(data[q + 16] | (data[q + 17] << 8)), album);
    }
    for (std::uint16_t shortId : idsTaken)
        idInAlbum[shortId] = false;
    idsTaken.clear();
}

void AlbumScan::read(std::size_t p)
{
    const std::size_t record = nameRecordAfter(p);
    if (record >= data.size())
        return;
    const ByteText name = readByteText(data.first(places.nextFrom(record + 1)), record + 27, albumNameEnds());
    if (name.text == "Dissolve")
        return;
    auto album = std::make_unique<PlayList>();
    album->setListName(name.text);
    addMembers(name.end, *album);
    if (!album->getMedias().empty())
        playLists.push_back(std::move(album));
}

} // namespace korvida
