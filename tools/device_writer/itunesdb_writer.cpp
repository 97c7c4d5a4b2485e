#include <set>

#include "tools/device_writer/device_writer.h"
#include "tools/device_writer/record_bytes.h"

namespace korvida::devicewriter {

namespace {

constexpr std::uint32_t kStringHeaderLength = 24;
constexpr std::uint32_t kPlaylistItemHeaderLength = 76;

// Type 100 records carry view settings and item positions; the reader skips them, so
// they only need the real layout: a bare header and, for items, the position at 24.
Bytes settingsRecord(std::uint32_t totalLength, std::uint32_t position)
{
    Record record("mhod", kStringHeaderLength);
    record.set32(12, 100);
    if (position > 0)
        record.set32(24, position);
    record.append(Bytes(totalLength - kStringHeaderLength - (position > 0 ? 4 : 0), 0));
    return record.finish();
}

Bytes albumListSection(const std::vector<Track>& tracks)
{
    std::set<std::string> seen;
    std::vector<Bytes> albums;
    for (const Track& track : tracks) {
        if (track.album.empty() || !seen.insert(track.album).second)
            continue;
        // Album items of newer files name the album in a string record of type 200.
        Bytes name = trackStringRecord(static_cast<StringType>(200), track.album);
        albums.push_back(Record("mhia", 88)
                             .set32(12, 1)
                             .set32(16, static_cast<std::uint32_t>(albums.size() + 1))
                             .append(name)
                             .finish());
    }
    return sectionRecord(4, listRecord("mhla", albums.size(), albums));
}

Bytes trackSection(const std::vector<Track>& tracks, const ITunesDBLayout& layout)
{
    std::vector<Bytes> records;
    records.reserve(tracks.size());
    for (const Track& track : tracks)
        records.push_back(trackRecord(track, layout));
    return sectionRecord(1, listRecord("mhlt", tracks.size(), records));
}

Bytes playlistSection(std::uint32_t type, const std::vector<Track>& tracks, const std::vector<Playlist>& playlists,
                      const ITunesDBLayout& layout)
{
    std::vector<Bytes> records;
    if (layout.libraryPlaylist) {
        Playlist library{"iPod", {}};
        for (const Track& track : tracks)
            library.memberIds.push_back(track.id);
        records.push_back(playlistRecord(library, layout, true));
    }
    for (const Playlist& playlist : playlists)
        records.push_back(playlistRecord(playlist, layout));
    return sectionRecord(type, listRecord("mhlp", records.size(), records));
}

} // namespace

Bytes trackStringRecord(StringType type, const std::string& text)
{
    const Bytes units = utf16le(text);
    return Record("mhod", kStringHeaderLength)
        .set32(12, static_cast<std::uint32_t>(type))
        .set32(24, 1)
        .set32(28, static_cast<std::uint32_t>(units.size()))
        .set32(32, 1)
        .set32(36, 0)
        .append(units)
        .finish();
}

Bytes trackRecordHeader(const Track& track, std::uint32_t headerLength, std::uint32_t totalLength,
                        std::uint32_t stringCount)
{
    Record header("mhit", headerLength);
    header.set32(8, totalLength).set32(12, stringCount).set32(16, track.id).set32(20, 1).set32(44, track.trackNumber);
    header.set32(28, static_cast<std::uint32_t>(track.rating) << 24).set32(80, track.playCount);
    header.set32(88, track.lastPlayed).set32(104, track.dateAdded).set32(156, track.skipCount);
    if (headerLength >= 356)
        header.set32(352, track.artworkId);
    Bytes bytes = header.finish(false);
    bytes.resize(headerLength, 0);
    return bytes;
}

Bytes trackRecord(const Track& track, const ITunesDBLayout& layout)
{
    auto text = [&track](StringType type) -> const std::string& {
        switch (type) {
        case StringType::Title: return track.title;
        case StringType::Location: return track.location;
        case StringType::Album: return track.album;
        case StringType::Artist: return track.artist;
        case StringType::Genre: return track.genre;
        case StringType::FileType: break;
        }
        return track.fileType;
    };
    std::vector<Bytes> strings;
    for (StringType type : layout.stringOrder)
        if (!text(type).empty())
            strings.push_back(trackStringRecord(type, text(type)));
    const Bytes body = concat(strings);
    Bytes record = trackRecordHeader(track, layout.trackHeaderLength,
                                     static_cast<std::uint32_t>(layout.trackHeaderLength + body.size()),
                                     static_cast<std::uint32_t>(strings.size()));
    record.insert(record.end(), body.begin(), body.end());
    return record;
}

Bytes playlistItemRecord(std::uint32_t trackId, std::uint32_t position)
{
    return Record("mhip", kPlaylistItemHeaderLength)
        .set32(12, 1)
        .set32(24, trackId)
        .append(settingsRecord(44, position))
        .finish();
}

Bytes playlistRecord(const Playlist& playlist, const ITunesDBLayout& layout, bool hidden)
{
    Record record("mhyp", layout.playlistHeaderLength);
    record.set32(12, 2)
        .set32(16, static_cast<std::uint32_t>(playlist.memberIds.size()))
        .set32(20, hidden ? 1 : 0)
        .append(trackStringRecord(StringType::Title, playlist.name))
        .append(settingsRecord(0x288, 0));
    std::uint32_t position = 0;
    for (std::uint32_t id : playlist.memberIds)
        record.append(playlistItemRecord(id, ++position));
    return record.finish();
}

Bytes iTunesDB(const std::vector<Track>& tracks, const std::vector<Playlist>& playlists, const ITunesDBLayout& layout)
{
    std::vector<Bytes> sections;
    if (layout.albumListFirst)
        sections.push_back(albumListSection(tracks));
    sections.push_back(trackSection(tracks, layout));
    for (std::uint32_t type : layout.playlistSectionTypes)
        sections.push_back(playlistSection(type, tracks, playlists, layout));
    return Record("mhbd", 188)
        .set32(12, 1)
        .set32(16, layout.version)
        .set32(20, static_cast<std::uint32_t>(sections.size()))
        .append(concat(sections))
        .finish();
}

} // namespace korvida::devicewriter
