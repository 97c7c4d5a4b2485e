#include <gtest/gtest.h>

#include "devicedb/database_read_error.h"
#include "devicedb/item_budget.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"
#include "tools/device_writer/hostile_databases.h"

namespace dw = korvida::devicewriter;

// Damaged databases whose cost a careless reader multiplies: each read holds at most as
// much text as the file has bytes, no more items than the file's size allows, and its
// albums hold each photo once.

namespace {

const std::string kDevice = "/d";

struct Totals {
    std::size_t items = 0;
    std::size_t members = 0;
    std::size_t text = 0; // bytes of text taken from the file
    std::error_code error;
};

std::size_t itemsFor(const dw::Bytes& bytes)
{
    return korvida::ItemBudget::itemsFor(bytes.size());
}

std::size_t fileText(const std::string& text)
{
    return text == "Unknown" || text == "Photos" ? 0 : text.size();
}

Totals read(const dw::Bytes& bytes, bool photos)
{
    Library library;
    Totals totals;
    totals.error = photos ? korvida::readPhotoDatabase(bytes, kDevice, library)
                          : korvida::readITunesDB(bytes, kDevice, library);
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
    // A location every 26 bytes, far more than the file pays for.
    const dw::Bytes bytes = dw::hostile::chainedLocations(26 * 1000);
    const Totals totals = read(bytes, false);
    EXPECT_EQ(totals.items, itemsFor(bytes));
    EXPECT_EQ(totals.error, korvida::DatabaseReadError::tooManyItems);
    EXPECT_EQ(totals.text, 0u); // each location's text would start inside the next one
}

TEST(HostileDatabase, RepeatedMusicFolderTextsHoldOnlyTheirOwnBytes)
{
    const dw::Bytes bytes = dw::hostile::repeatedMusicFolder(40 * 1000);
    const Totals totals = read(bytes, false);
    EXPECT_EQ(totals.items, itemsFor(bytes));
    EXPECT_LE(totals.text, bytes.size());
    EXPECT_EQ(read(dw::hostile::trackHeadersOnly(40'000), false).items, 0u);
}

TEST(HostileDatabase, PlaylistsHoldNoMoreMembersThanTheFileCanPayFor)
{
    const dw::Bytes bytes = dw::hostile::packedPlaylistItems(100'000); // an item every 5 bytes
    const Totals totals = read(bytes, false);
    EXPECT_EQ(totals.items, 1u);
    EXPECT_EQ(totals.members, bytes.size() / korvida::ItemBudget::kFileBytesPerMember);
    EXPECT_EQ(totals.error, korvida::DatabaseReadError::tooManyItems);
}

TEST(HostileDatabase, ChainedPlacesEndWhereTheNextBegins)
{
    const dw::Bytes bytes = dw::hostile::chainedPlaces(32 * 1000);
    const Totals totals = read(bytes, true);
    EXPECT_EQ(totals.items, itemsFor(bytes));
    EXPECT_EQ(totals.error, korvida::DatabaseReadError::tooManyItems);
    EXPECT_LE(totals.text, bytes.size());

    // One long name that every photo takes is paid for in each of them.
    const dw::Bytes named = dw::hostile::longNameManyPlaces(80 * 1000);
    const Totals copies = read(named, true);
    EXPECT_EQ(copies.items, itemsFor(named) / 2);
    EXPECT_LE(copies.text, named.size());
}

TEST(HostileDatabase, AlbumItemsOfOneIdAddEachPhotoOnce)
{
    const dw::Bytes headerless = dw::hostile::headerlessPhotosOneAlbum(16'000);
    const Totals oneId = read(headerless, true);
    EXPECT_EQ(oneId.items, itemsFor(headerless)); // of 100 places of 80 bytes
    EXPECT_EQ(oneId.members, oneId.items);
    EXPECT_LE(oneId.text, headerless.size());

    const dw::Bytes packedItems = dw::hostile::packedAlbumItems(16'000);
    const Totals packed = read(packedItems, true);
    EXPECT_EQ(packed.items, itemsFor(packedItems));
    EXPECT_EQ(packed.members, packed.items);
}

TEST(HostileDatabase, AlbumsTogetherHoldNoMoreMembersThanTheFileCanPayFor)
{
    const dw::Bytes bytes = dw::hostile::repeatedAlbums(100'000);
    const Totals totals = read(bytes, true);
    EXPECT_EQ(totals.items, 64u);
    EXPECT_EQ(totals.members, bytes.size() / korvida::ItemBudget::kFileBytesPerMember);
    EXPECT_EQ(totals.error, korvida::DatabaseReadError::tooManyItems);
    EXPECT_LE(totals.text, bytes.size());
}
