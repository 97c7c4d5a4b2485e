#include <gtest/gtest.h>

#include "devicedb/itunesdb_reader.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

const std::string kDevice = "/media/player";

Library read(const dw::Bytes& bytes)
{
    Library library;
    korvida::readITunesDB(bytes, kDevice, library);
    return library;
}

Library read(const std::vector<dw::Track>& tracks, const std::vector<dw::Playlist>& playlists = {},
             const dw::ITunesDBLayout& layout = {})
{
    return read(dw::iTunesDB(tracks, playlists, layout));
}

dw::Track track(std::uint32_t id, const std::string& file, const std::string& title = "Title")
{
    return {title, "Artist", "Album", "Genre", ":iPod_Control:Music:F00:" + file, id, 1, "MPEG audio file"};
}

std::string deviceEntry(const Library& library)
{
    return library.playLists.empty() ? "" : library.playLists.front()->getCleanListName();
}

std::vector<std::string> memberTitles(const PlayList& playList)
{
    std::vector<std::string> titles;
    for (const InMedia* media : playList.getMedias())
        titles.push_back(media->getCleanName());
    return titles;
}

using dw::StringType;

} // namespace

TEST(ITunesDBReader, DeviceEntryNamesWhatTheTracksAre)
{
    EXPECT_EQ(deviceEntry(read({track(1, "A.mp3"), track(2, "B.m4a")})), "Music");
    EXPECT_EQ(deviceEntry(read({track(1, "A.mp3"), track(2, "B.m4v")})), "Music/Movies");
    EXPECT_EQ(deviceEntry(read({track(1, "A.mov"), track(2, "B.mp4")})), "Movies");
    EXPECT_EQ(deviceEntry(read({track(1, "A.MP4")})), "Music");
    EXPECT_EQ(deviceEntry(read(std::vector<dw::Track>{})), "Empty");
    EXPECT_EQ(deviceEntry(read(dw::Bytes{})), "Empty");

    const Library library = read({track(1, "A.MP4"), track(2, "B.m4v")});
    EXPECT_EQ(library.mediasVisible[0]->getMediaType(), InMedia::kMusic);
    EXPECT_EQ(library.mediasVisible[1]->getMediaType(), InMedia::kMovie);
    EXPECT_TRUE(library.playLists.front()->getIsSubList());
    EXPECT_TRUE(library.playLists.front()->getMedias().empty());
}

TEST(ITunesDBReader, TrackTakesItsRecordFieldsAndPath)
{
    dw::Track wxyz{"Café 東京", "Artist", "Album", "Genre", ":iPod_Control:Music:F12:WXYZ.m4a", 0x00030201, 200, ""};
    dw::Track seven = track(0x0102, "B.mp3");
    seven.trackNumber = 7;
    const Library library = read({wxyz, seven});
    ASSERT_EQ(library.mediasVisible.size(), 2u);
    const InMedia& first = *library.mediasVisible[0];
    EXPECT_EQ(first.getCleanName(), "Café 東京");
    EXPECT_EQ(first.getArtist(), "Artist");
    EXPECT_EQ(first.getAlbum(), "Album");
    EXPECT_EQ(first.getGenere(), "Genre");
    EXPECT_EQ(first.getPath(), kDevice + "/iPod_Control/Music/F12/WXYZ.m4a");
    EXPECT_EQ(first.getFileType(), "m4a");
    EXPECT_EQ(first.getTuneOnCdNr(), -56);
    EXPECT_EQ(first.getByte1mediaID(), 0x01);
    EXPECT_EQ(first.getByte2mediaID(), 0x02);
    EXPECT_EQ(library.mediasVisible[1]->getTuneOnCdNr(), 7);
    EXPECT_EQ(library.mediasVisible[1]->shortId(), 0x0102);
}

TEST(ITunesDBReader, StatisticsAreReadAsFarAsTheTrackHeaderReaches)
{
    dw::Track rated = track(1, "A.mp3");
    rated.rating = 80;
    rated.playCount = 12;
    rated.skipCount = 2;
    rated.lastPlayed = 3682844800; // 2020-09-13 12:26:40 UTC
    rated.dateAdded = 3582844800;  // 2017-07-14 02:40:00 UTC
    dw::Track never = track(2, "B.mp3");

    dw::ITunesDBLayout layout;
    layout.trackHeaderLength = 584;
    const Library full = read({rated, never}, {}, layout);
    ASSERT_EQ(full.mediasVisible.size(), 2u);
    const TuneStatistics& statistics = full.mediasVisible[0]->getStatistics();
    EXPECT_EQ(statistics.rating, 80);
    EXPECT_EQ(statistics.playCount, 12u);
    EXPECT_EQ(statistics.skipCount, 2u);
    EXPECT_EQ(statistics.lastPlayed(), 1600000000);
    EXPECT_EQ(statistics.dateAdded(), 1500000000);
    // Nothing counted: zero counts, and dates of 0 are no dates.
    const TuneStatistics& unplayed = full.mediasVisible[1]->getStatistics();
    EXPECT_EQ(unplayed.rating, 0);
    EXPECT_EQ(unplayed.playCount, 0u);
    EXPECT_EQ(unplayed.lastPlayed(), std::nullopt);
    EXPECT_EQ(unplayed.dateAdded(), std::nullopt);

    // An older header that ends after the play count holds nothing further, whatever
    // bytes (here the strings) follow it.
    layout.trackHeaderLength = 84;
    const Library shorter = read({rated}, {}, layout);
    ASSERT_EQ(shorter.mediasVisible.size(), 1u);
    const TuneStatistics& older = shorter.mediasVisible[0]->getStatistics();
    EXPECT_EQ(older.rating, 80);
    EXPECT_EQ(older.playCount, 12u);
    EXPECT_EQ(older.skipCount, std::nullopt);
    EXPECT_EQ(older.lastPlayed(), std::nullopt);
    EXPECT_EQ(older.dateAdded(), std::nullopt);
}

TEST(ITunesDBReader, MissingStringsGiveUnknownAndAnEmptyTitle)
{
    dw::Track bare{"", "", "", "", ":iPod_Control:Music:F00:A.mp3", 1, 0, ""};
    dw::Track noArtist = track(2, "B.mp3");
    noArtist.artist.clear();
    const Library library = read({bare, noArtist});
    const InMedia& first = *library.mediasVisible[0];
    EXPECT_EQ(first.getCleanName(), "");
    EXPECT_EQ(first.getArtist(), "Unknown");
    EXPECT_EQ(first.getAlbum(), "Unknown");
    EXPECT_EQ(first.getGenere(), "Unknown");
    EXPECT_EQ(library.mediasVisible[1]->getArtist(), "Unknown");
    EXPECT_EQ(library.mediasVisible[1]->getCleanName(), "Title");
}

// Older jukeboxes write the location second, libgpod writes the genre after it: every
// track still gets the strings of its own record, never those of its neighbour.
TEST(ITunesDBReader, StringsAfterTheLocationBelongToTheSameTrack)
{
    const std::vector<std::vector<StringType>> orders = {
        {StringType::Title, StringType::Location, StringType::Album, StringType::Artist, StringType::Genre},
        {StringType::Title, StringType::Artist, StringType::Album, StringType::FileType, StringType::Location,
         StringType::Genre},
        {StringType::Location, StringType::Genre, StringType::Artist, StringType::Album, StringType::Title},
    };
    for (const auto& order : orders) {
        dw::ITunesDBLayout layout;
        layout.stringOrder = order;
        dw::Track second{"Second", "B artist", "B album", "", ":iPod_Control:Music:F01:B.mp3", 2, 2, "x"};
        const Library library = read(
            {dw::Track{"First", "A artist", "A album", "Rock", ":iPod_Control:Music:F00:A.mp3", 1, 1, "x"}, second,
             track(3, "C.mp3", "Third")},
            {}, layout);
        ASSERT_EQ(library.mediasVisible.size(), 3u);
        const InMedia& first = *library.mediasVisible[0];
        EXPECT_EQ(first.getCleanName(), "First");
        EXPECT_EQ(first.getArtist(), "A artist");
        EXPECT_EQ(first.getAlbum(), "A album");
        EXPECT_EQ(first.getGenere(), "Rock"); // not followed by the next track header's bytes
        const InMedia& middle = *library.mediasVisible[1];
        EXPECT_EQ(middle.getCleanName(), "Second");
        EXPECT_EQ(middle.getArtist(), "B artist");
        EXPECT_EQ(middle.getGenere(), "Unknown");
        EXPECT_EQ(library.mediasVisible[2]->getCleanName(), "Third");
        EXPECT_EQ(library.mediasVisible[2]->getGenere(), "Genre");
    }
}

TEST(ITunesDBReader, TrackWithoutHeaderOfItsOwnKeepsThePreviousShortIdAndNumber)
{
    dw::Track first = track(0x0A0B, "A.mp3", "First");
    first.trackNumber = 9;
    dw::Bytes record = dw::trackRecord(first, {});
    // A second title and location inside the same record, with no header between.
    for (const dw::Bytes& extra : {dw::trackStringRecord(StringType::Title, "Second"),
                                   dw::trackStringRecord(StringType::Location, ":iPod_Control:Music:F00:B.mp3")})
        record.insert(record.end(), extra.begin(), extra.end());
    const Library library = read(record);
    ASSERT_EQ(library.mediasVisible.size(), 2u);
    const InMedia& second = *library.mediasVisible[1];
    EXPECT_EQ(library.mediasVisible[0]->getCleanName(), "First");
    EXPECT_EQ(second.getCleanName(), "Second");
    EXPECT_EQ(second.getArtist(), "Unknown");
    EXPECT_EQ(second.shortId(), 0x0A0B);
    EXPECT_EQ(second.getTuneOnCdNr(), 9);
}

TEST(ITunesDBReader, LocationsAreReadWholeAsText)
{
    const std::string longName = "Genesis - Follow You Follow Me.mp3";
    const Library library = read({dw::Track{"A", "", "", "", ":iPod_Control:Music:f02:" + longName, 1, 0, ""},
                                  dw::Track{"B", "", "", "", ":iPod_Control:Music:F03:東京.mp3", 2, 0, ""}});
    EXPECT_EQ(library.mediasVisible[0]->getPath(), kDevice + "/iPod_Control/Music/f02/" + longName);
    EXPECT_EQ(library.mediasVisible[0]->getFileType(), "mp3");
    EXPECT_EQ(library.mediasVisible[1]->getPath(), kDevice + "/iPod_Control/Music/F03/東京.mp3");
}

TEST(ITunesDBReader, LocationsNeverLeaveTheMusicFolder)
{
    const Library library = read({dw::Track{"A", "", "", "", ":iPod_Control:Music:..:..:..:etc:passwd", 1, 0, ""},
                                  dw::Track{"B", "", "", "", ":iPod_Control:Music:F00:../../x/./y.mp3", 2, 0, ""},
                                  dw::Track{"C", "", "", "", ":iPod_Control:Music:F00::/.mp3", 3, 0, ""}});
    EXPECT_EQ(library.mediasVisible[0]->getPath(), kDevice + "/iPod_Control/Music/etc/passwd");
    EXPECT_EQ(library.mediasVisible[1]->getPath(), kDevice + "/iPod_Control/Music/F00/x/y.mp3");
    EXPECT_EQ(library.mediasVisible[2]->getPath(), kDevice + "/iPod_Control/Music/F00/.mp3");
}

TEST(ITunesDBReader, PlaylistsOfEveryHeaderLengthInUse)
{
    for (std::uint32_t headerLength : {108u, 112u, 184u}) {
        dw::ITunesDBLayout layout;
        layout.playlistHeaderLength = headerLength;
        layout.trackHeaderLength = 624;
        const Library library = read({track(1, "A.mp3", "A"), track(2, "B.mp3", "B"), track(3, "C.mp3", "C")},
                                     {{"Road trip", {3, 1, 3, 99}}, {"Nothing known", {98}}, {"Second", {2}}}, layout);
        ASSERT_EQ(library.playLists.size(), 3u) << headerLength;
        EXPECT_EQ(library.playLists[1]->getCleanListName(), "Road trip");
        EXPECT_EQ(library.playLists[1]->getListName(), " Road trip");
        EXPECT_FALSE(library.playLists[1]->getIsSubList());
        EXPECT_EQ(memberTitles(*library.playLists[1]), (std::vector<std::string>{"C", "A", "C"}));
        EXPECT_EQ(library.playLists[2]->getCleanListName(), "Second");
        EXPECT_EQ(memberTitles(*library.playLists[2]), (std::vector<std::string>{"B"}));
    }
}

TEST(ITunesDBReader, FirstPlaylistAndLaterSectionsAreNotListed)
{
    dw::ITunesDBLayout noLibrary;
    noLibrary.libraryPlaylist = false;
    const Library first = read({track(1, "A.mp3")}, {{"Own", {1}}, {"Next", {1}}}, noLibrary);
    ASSERT_EQ(first.playLists.size(), 2u);
    EXPECT_EQ(first.playLists[1]->getCleanListName(), "Next");

    dw::ITunesDBLayout twoSections;
    twoSections.playlistSectionTypes = {3, 2};
    twoSections.albumListFirst = true;
    const Library library = read({track(1, "A.mp3")}, {{"Once", {1}}}, twoSections);
    ASSERT_EQ(library.playLists.size(), 2u);
    EXPECT_EQ(library.playLists[1]->getCleanListName(), "Once");
    EXPECT_EQ(library.mediasVisible.size(), 1u);
}

TEST(ITunesDBReader, MembersResolveToTheFirstTrackWithTheirShortId)
{
    const Library library = read(
        {track(0x10005, "A.mp3", "High"), track(0x20005, "B.mp3", "Higher"), track(5, "C.mp3", "Low")},
        {{"Any", {5, 0x20005}}});
    ASSERT_EQ(library.playLists.size(), 2u);
    EXPECT_EQ(memberTitles(*library.playLists[1]), (std::vector<std::string>{"High", "High"}));
}

// Every prefix of a database (a file cut short, ending inside a tag, a text or a header)
// reads without harm and yields no more than the whole file.
TEST(ITunesDBReader, TruncatedFilesReadSafely)
{
    dw::ITunesDBLayout layout;
    layout.stringOrder = {StringType::Title, StringType::Artist, StringType::Location, StringType::Genre};
    const dw::Bytes whole = dw::iTunesDB({track(1, "A.mp3", "A"), track(2, "B.m4v", "B")}, {{"List", {2, 1}}}, layout);
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const Library library = read(dw::Bytes(whole.begin(), whole.begin() + size));
        ASSERT_LE(library.mediasVisible.size(), 2u);
        ASSERT_LE(library.playLists.size(), 2u);
        for (const auto& media : library.mediasVisible)
            ASSERT_EQ(media->getPath().rfind(kDevice + "/iPod_Control/Music", 0), 0u);
    }
    const Library complete = read(whole);
    EXPECT_EQ(complete.playLists.size(), 2u);
    EXPECT_EQ(deviceEntry(complete), "Music/Movies");
}

TEST(ITunesDBReader, TextThatReachesTheEndOfTheDataEndsThere)
{
    dw::Bytes record = dw::trackRecordHeader(track(1, "A.mp3"), 156, 0, 0);
    const dw::Bytes title = dw::trackStringRecord(StringType::Title, "Cut short");
    const dw::Bytes location = dw::trackStringRecord(StringType::Location, ":iPod_Control:Music:F00:A.mp3");
    record.insert(record.end(), title.begin(), title.end());
    record.insert(record.end(), location.begin(), location.end() - 5); // ends inside a unit
    const Library library = read(record);
    ASSERT_EQ(library.mediasVisible.size(), 1u);
    EXPECT_EQ(library.mediasVisible[0]->getCleanName(), "Cut short");
    EXPECT_EQ(library.mediasVisible[0]->getPath(), kDevice + "/iPod_Control/Music/F00/A.");
}

TEST(ITunesDBReader, IndexedMembersMatchALinearSearch)
{
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245 + 12345;
        return (seed >> 8) & 0xFFFF;
    };
    std::vector<dw::Track> tracks;
    for (int i = 0; i < 300; ++i)
        tracks.push_back(track((next() % 4) << 16 | next() % 60, "T" + std::to_string(i) + ".mp3"));
    dw::Playlist playlist{"Random", {}};
    for (int i = 0; i < 200; ++i)
        playlist.memberIds.push_back(next() % 70);
    const Library library = read(tracks, {playlist});

    std::vector<const InMedia*> expected;
    for (std::uint32_t id : playlist.memberIds)
        for (const auto& media : library.mediasVisible)
            if (media->shortId() == static_cast<std::uint16_t>(id)) {
                expected.push_back(media.get());
                break;
            }
    ASSERT_EQ(library.playLists.size(), 2u);
    const auto& members = library.playLists[1]->getMedias();
    EXPECT_EQ(std::vector<const InMedia*>(members.begin(), members.end()), expected);
}
