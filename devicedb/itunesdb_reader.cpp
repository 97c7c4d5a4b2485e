#include "devicedb/itunesdb_reader.h"

#include <algorithm>

#include "devicedb/itunesdb_records.h"
#include "devicedb/playlist_scan.h"
#include "devicedb/tag_finder.h"
#include "devicedb/track_scan.h"

namespace korvida {

namespace {

std::string deviceEntryName(bool movie, bool music)
{
    if (movie && music)
        return "Music/Movies";
    if (music)
        return "Music";
    if (movie)
        return "Movies";
    return "Empty";
}

} // namespace

std::error_code readITunesDB(ByteView data, const std::string& iPodPath, Library& library, const ScanProgress& progress)
{
    ProgressSteps steps(progress);
    TrackScan tracks(data, iPodPath, library.mediasVisible);
    PlaylistScan playlists(data, library.mediasVisible, tracks.shortIds(), library.playLists, progress);
    int sections = 0;

    // Only positions that can start a record ("m") or a location text (":") need a look;
    // the search for them stays near the scan, and the look finds nothing elsewhere.
    std::size_t nextM = nextByteNear(data, 0, 'm');
    std::size_t nextColon = nextByteNear(data, 0, ':');
    while (true) {
        const std::size_t p = sections == 0 ? std::min(nextM, nextColon) : nextM;
        if (p >= data.size())
            break;
        steps.at(p);
        if (playlistListHeaderAt(data, p) && ++sections > 1)
            break;
        if (sections == 1) {
            if (playlistHeaderAt(data, p))
                playlists.read(p);
        } else {
            tracks.examine(data, p);
        }
        if (p == nextM)
            nextM = nextByteNear(data, p + 1, 'm');
        if (p == nextColon)
            nextColon = nextByteNear(data, p + 1, ':');
    }

    auto deviceEntry = std::make_unique<PlayList>();
    deviceEntry->setListName(deviceEntryName(tracks.madeMovie(), tracks.madeMusic()));
    deviceEntry->setIsSubList(true);
    library.playLists.insert(library.playLists.begin(), std::move(deviceEntry));
    const bool overrun = tracks.overrun() || playlists.overrun();
    return overrun ? make_error_code(DatabaseReadError::tooManyItems) : std::error_code{};
}

} // namespace korvida
