#include "devicedb/playlist_scan.h"

#include "devicedb/device_text.h"
#include "devicedb/itunesdb_records.h"
#include "devicedb/tag_set.h"

namespace korvida {

PlaylistScan::PlaylistScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias,
                           const ShortIdIndex& shortIds, std::vector<std::unique_ptr<PlayList>>& playLists)
    : data(data),
      medias(medias),
      shortIds(shortIds),
      playLists(playLists),
      nameRecords(data, anyStringRecordTagAt),
      playlistHeaders(data, playlistHeaderAt)
{}

const PlaylistScan::Name& PlaylistScan::nameAfter(std::size_t p)
{
    const std::size_t record = nameRecords.nextFrom(p + 1);
    if (record != lastName.record) {
        lastName.record = record;
        if (record < data.size()) {
            DeviceText text = readUnitText(data, record + 40, iTunesDBRecordTags());
            lastName.text = std::move(text.text);
            lastName.end = text.end;
        } else {
            lastName.text.clear();
            lastName.end = data.size();
        }
    }
    return lastName;
}

void PlaylistScan::read(std::size_t p)
{
    const Name& name = nameAfter(p);
    if (playlistCount++ == 0)
        return;
    auto playList = std::make_unique<PlayList>();
    playList->setListName(name.text);
    // The members end at the playlist header after this one, also when a damaged file puts
    // that header before the name, so that no item is read for two playlists.
    const std::size_t membersEnd = playlistHeaders.nextFrom(p + 1);
    for (std::size_t q = nextByte(data, name.end, 'm'); q < membersEnd; q = nextByte(data, q + 1, 'm')) {
        if (!playlistItemAt(data, q))
            continue;
        const auto shortId = static_cast<std::uint16_t>(data[q + 24] | (data[q + 25] << 8));
        if (const std::uint32_t item = shortIds.first(shortId); item != ShortIdIndex::kNone)
            playList->addMedia(medias[item].get());
    }
    if (!playList->getMedias().empty())
        playLists.push_back(std::move(playList));
}

} // namespace korvida
