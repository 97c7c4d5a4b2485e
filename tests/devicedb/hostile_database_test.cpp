#include <gtest/gtest.h>

#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"
#include "tools/device_writer/hostile_databases.h"

namespace dw = korvida::devicewriter;

// Damaged databases whose cost a careless reader multiplies: each read holds at most as
// much text as the file has bytes, and its albums hold each photo once.

namespace {

const std::string kDevice = "/d";

struct Totals {
    std::size_t items = 0;
    std::size_t members = 0;
    std::size_t text = 0; // bytes of text taken from the file
};

std::size_t fileText(const std::string& text)
{
    return text == "Unknown" || text == "Photos" ? 0 : text.size();
}

Totals read(const dw::Bytes& bytes, bool photos)
{
    Library library;
    if (photos)
        korvida::readPhotoDatabase(bytes, kDevice, library);
    else
        korvida::readITunesDB(bytes, kDevice, library);
    Totals totals;
    totals.items = library.mediasVisible.size();
    for (const auto& media : library.mediasVisible) {
        const std::string folder = photos ? kDevice + "/Photos/Full Resolution" : kDevice + "/iPod_Control/Music";
        totals.text += fileText(media->getCleanName()) + fileText(media->getArtist()) + fileText(media->getAlbum()) +
            fileText(media->getGenere()) + media->getPath().size() - folder.size();
        if (photos)
            totals.text += media->getDay().value_or("").size();
    }
    for (const auto& playList : library.playLists) {
        totals.members += playList->getMedias().size();
        totals.text += playList->getIsSubList() ? 0 : playList->getCleanListName().size();
    }
    return totals;
}

} // namespace

TEST(HostileDatabase, ChainedLocationsEndWhereTheNextBegins)
{
    const dw::Bytes bytes = dw::hostile::chainedLocations(26 * 1000);
    const Totals totals = read(bytes, false);
    EXPECT_EQ(totals.items, 999u); // the last block has no neighbour to complete its pattern
    EXPECT_EQ(totals.text, 0u);    // each location's text would start inside the next one
}

TEST(HostileDatabase, RepeatedMusicFolderTextsHoldOnlyTheirOwnBytes)
{
    const dw::Bytes bytes = dw::hostile::repeatedMusicFolder(40 * 1000);
    const Totals totals = read(bytes, false);
    EXPECT_EQ(totals.items, 1000u);
    EXPECT_LE(totals.text, bytes.size());
    EXPECT_EQ(read(dw::hostile::trackHeadersOnly(40'000), false).items, 0u);
}

TEST(HostileDatabase, ChainedPlacesEndWhereTheNextBegins)
{
    const dw::Bytes bytes = dw::hostile::chainedPlaces(32 * 1000);
    const Totals totals = read(bytes, true);
    EXPECT_EQ(totals.items, 999u);
    EXPECT_LE(totals.text, bytes.size());
}

TEST(HostileDatabase, AlbumItemsOfOneIdAddEachPhotoOnce)
{
    const dw::Bytes headerless = dw::hostile::headerlessPhotosOneAlbum(16'000);
    const Totals oneId = read(headerless, true);
    EXPECT_EQ(oneId.items, 100u); // 8,000 bytes of 80-byte places
    EXPECT_EQ(oneId.members, 100u);
    EXPECT_LE(oneId.text, headerless.size());

    const Totals packed = read(dw::hostile::packedAlbumItems(16'000), true);
    EXPECT_EQ(packed.items, 8000u / 98u);
    EXPECT_EQ(packed.members, packed.items);
}

TEST(HostileDatabase, AlbumsTogetherHoldNoMoreMembersThanTheFileCanPayFor)
{
    const dw::Bytes bytes = dw::hostile::repeatedAlbums(100'000);
    const Totals totals = read(bytes, true);
    EXPECT_EQ(totals.items, 64u);
    EXPECT_LE(totals.members, bytes.size() / 8);
    EXPECT_GT(totals.members, bytes.size() / 8 - 64);
    EXPECT_LE(totals.text, bytes.size());
}
