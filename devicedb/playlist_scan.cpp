#include "devicedb/playlist_scan.h"

#include "devicedb/device_text.h"
#include "devicedb/itunesdb_records.h"
#include "devicedb/tag_set.h"

namespace korvida {

PlaylistScan::PlaylistScan(ByteView data, const std::vector<std::unique_ptr<InMedia>>& medias,
                           const ShortIdIndex& shortIds, std::vector<std::unique_ptr<PlayList>>& playLists,
                           const ScanProgress& progress)
    : data(data),
      medias(medias),
      shortIds(shortIds),
      playLists(playLists),
      progress(progress),
      nameRecords(data, anyStringRecordTagAt),
      memberBudget(ItemBudget::forMembers(data.size()))
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

bool PlaylistScan::headerBefore(std::size_t from, std::size_t end) const
{
    for (std::size_t q = nextByte(data, from, 'm'); q < end; q = nextByte(data, q + 1, 'm'))
        if (playlistHeaderAt(data, q))
            return true;
    return false;
}

void PlaylistScan::read(std::size_t p)
{
    const Name& name = nameAfter(p);
    if (playlistCount++ == 0)
        return;
    // The members end at the playlist header after this one, also when a damaged file puts
    // that header before the name, so that no item is read for two playlists. Each search
    // for that header ends at the first one, so the searches of all playlists stay linear,
    // and the walk over the items gives back the pages behind it.
    if (headerBefore(p + 1, name.record))
        return;
    auto playList = std::make_unique<PlayList>();
    playList->setListName(name.text);
    ProgressSteps steps(progress, name.end);
    for (std::size_t q = nextByte(data, name.end, 'm'); q < data.size(); q = nextByte(data, q + 1, 'm')) {
        steps.at(q);
        if (playlistHeaderAt(data, q))
            break;
        if (!playlistItemAt(data, q))
            continue;
        const auto shortId = static_cast<std::uint16_t>(data[q + 24] | (data[q + 25] << 8));
        const std::uint32_t item = shortIds.first(shortId);
        if (item != ShortIdIndex::kNone && memberBudget.take())
            playList->addMedia(medias[item].get());
    }
    if (!playList->getMedias().empty())
        playLists.push_back(std::move(playList));
}

} // namespace korvida
