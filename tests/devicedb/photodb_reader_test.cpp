#include <gtest/gtest.h>

#include "devicedb/photodb_reader.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

const std::string kDevice = "/media/player";

Library read(const dw::Bytes& bytes, std::size_t tracksBefore = 0)
{
    Library library;
    for (std::size_t i = 0; i < tracksBefore; ++i)
        library.mediasVisible.push_back(std::make_unique<InMedia>());
    korvida::readPhotoDatabase(bytes, kDevice, library);
    return library;
}

dw::Photo photo(std::uint32_t id, const std::string& file, const std::string& name = "")
{
    return {id, ":Full Resolution:2006:07:14:" + file, name};
}

std::vector<std::string> listNames(const Library& library)
{
    std::vector<std::string> names;
    for (const auto& playList : library.playLists)
        names.push_back(playList->getCleanListName());
    return names;
}

std::vector<std::string> memberFiles(const PlayList& album)
{
    std::vector<std::string> files;
    for (const InMedia* media : album.getMedias())
        files.push_back(media->getNameWithType().value_or("?"));
    return files;
}

} // namespace

TEST(PhotoDatabaseReader, FullResolutionTextMakesAPhoto)
{
    const Library library = read(dw::photoDatabase({photo(0x0201, "IMG_0101.JPG")}, {}), 2);
    ASSERT_EQ(library.mediasVisible.size(), 3u);
    const InMedia& made = *library.mediasVisible[2];
    EXPECT_EQ(made.getCleanName(), "IMG_0101.JPG");
    EXPECT_EQ(made.getNameWithType(), "IMG_0101.JPG");
    EXPECT_EQ(made.getArtist(), "2006");
    EXPECT_EQ(made.getAlbum(), "07");
    EXPECT_EQ(made.getDay(), "14");
    EXPECT_EQ(made.getGenere(), "Photos");
    EXPECT_EQ(made.getFileType(), "JPG");
    EXPECT_EQ(made.getPath(), kDevice + "/Photos/Full Resolution/2006/07/14/IMG_0101.JPG");
    EXPECT_EQ(made.getMediaType(), InMedia::kPhoto);
    EXPECT_EQ(made.getTuneOnCdNr(), 0);
    EXPECT_EQ(made.shortId(), 0x0201);
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos"}));
    EXPECT_TRUE(library.playLists[0]->getIsSubList());
}

TEST(PhotoDatabaseReader, MissingDatabaseGivesOnlyThePhotosEntry)
{
    const Library library = read({});
    EXPECT_TRUE(library.mediasVisible.empty());
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos"}));
}

TEST(PhotoDatabaseReader, NameRecordNamesThatPhotoAndEveryLaterOne)
{
    const Library library = read(dw::photoDatabase(
        {photo(1, "A.JPG"), photo(2, "B.JPG", "Holiday 2006"), photo(3, "C.JPG"), photo(4, "D.JPG", "Not 12 bytes")},
        {}));
    ASSERT_EQ(library.mediasVisible.size(), 4u);
    EXPECT_EQ(library.mediasVisible[0]->getCleanName(), "A.JPG");
    EXPECT_EQ(library.mediasVisible[1]->getCleanName(), "Holiday 2006");
    EXPECT_EQ(library.mediasVisible[2]->getCleanName(), "Holiday 2006");
    // "Not 12 bytes" is 12 bytes long as well, so it is a name record too.
    EXPECT_EQ(library.mediasVisible[3]->getCleanName(), "Not 12 bytes");
    EXPECT_EQ(library.mediasVisible[2]->getNameWithType(), "C.JPG");

    const Library other = read(dw::photoDatabase({photo(1, "A.JPG", "Longer than twelve"), photo(2, "B.JPG")}, {}));
    EXPECT_EQ(other.mediasVisible[0]->getCleanName(), "A.JPG");
}

TEST(PhotoDatabaseReader, AlbumsFollowThePhotosEntry)
{
    const Library library = read(
        dw::photoDatabase({photo(1, "A.JPG"), photo(2, "B.JPG"), photo(0x10001, "C.JPG")},
                          {{"Summer", {2, 1}}, {"Nothing", {77}}, {"Dissolve", {1}}, {"Twins", {0x20001}}}));
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos", "Summer", "Twins"}));
    // An item adds every photo whose ID agrees with it in the low 16 bits.
    EXPECT_EQ(memberFiles(*library.playLists[1]), (std::vector<std::string>{"B.JPG", "A.JPG", "C.JPG"}));
    EXPECT_EQ(memberFiles(*library.playLists[2]), (std::vector<std::string>{"A.JPG", "C.JPG"}));
    EXPECT_FALSE(library.playLists[1]->getIsSubList());
}

TEST(PhotoDatabaseReader, FirstAlbumWithoutTransitionLendsItsWalkToTheNextName)
{
    dw::PhotoDBLayout layout;
    layout.libraryAlbum = false;
    // The first album's own name record is passed over and the second album's name is
    // found instead, so the second album is listed twice with its own members.
    const Library library = read(
        dw::photoDatabase({photo(1, "A.JPG"), photo(2, "B.JPG")}, {{"First", {1}}, {"Second", {2}}}, layout));
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos", "Second", "Second"}));
    EXPECT_EQ(memberFiles(*library.playLists[1]), (std::vector<std::string>{"B.JPG"}));
}

TEST(PhotoDatabaseReader, AlbumWithoutItemsTakesNeitherTheNextHeaderNorItsPhotos)
{
    const Library library = read(
        dw::photoDatabase({photo(1, "A.JPG"), photo(2, "B.JPG")},
                          {{"Full", {1}}, {"Empty", {}}, {"Last", {2}}, {"Empty at the end", {}}}));
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos", "Full", "Last"}));
    EXPECT_EQ(memberFiles(*library.playLists[2]), (std::vector<std::string>{"B.JPG"}));
}

// In a damaged file with album headers and no names, a header does not look past the
// album header after the next one, so no name is taken by every header before it.
TEST(PhotoDatabaseReader, NamelessAlbumHeadersDoNotAllBorrowOneName)
{
    dw::PhotoDBLayout imagesOnly;
    imagesOnly.sectionOrder = {1};
    dw::Bytes bytes = dw::photoDatabase({photo(1, "A.JPG")}, {}, imagesOnly);
    dw::Bytes header(148, 0);
    std::copy_n("mhba", 4, header.begin());
    header[4] = 148;
    dw::Bytes album{0x6D, 0x68, 0x69, 0x61, 40, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    album.resize(40, 0);
    for (const dw::Bytes& part : {header, header, header, header, dw::photoStringRecord(1, "Library"), header,
                                  dw::photoStringRecord(1, "Named"), album})
        bytes.insert(bytes.end(), part.begin(), part.end());
    const Library library = read(bytes);
    EXPECT_EQ(listNames(library), (std::vector<std::string>{"Photos", "Named"}));
}

TEST(PhotoDatabaseReader, ShortPlaceTextsLeaveMissingPiecesEmpty)
{
    const Library library = read(
        dw::photoDatabase({dw::Photo{1, ":Full Resolution:2006:07", ""}, dw::Photo{2, ":Full Resolution:", ""}}, {}));
    ASSERT_EQ(library.mediasVisible.size(), 2u);
    const InMedia& partial = *library.mediasVisible[0];
    EXPECT_EQ(partial.getArtist(), "2006");
    EXPECT_EQ(partial.getAlbum(), "07");
    EXPECT_EQ(partial.getDay(), "");
    EXPECT_EQ(partial.getCleanName(), "");
    EXPECT_EQ(partial.getPath(), kDevice + "/Photos/Full Resolution/2006/07");
    EXPECT_EQ(library.mediasVisible[1]->getPath(), kDevice + "/Photos/Full Resolution");
}

TEST(PhotoDatabaseReader, PlacesNeverLeaveTheFullResolutionFolder)
{
    const Library library = read(dw::photoDatabase(
        {photo(1, "../../../../x.jpg"), dw::Photo{2, ":Full Resolution:..:..:.:etc:passwd", ""}}, {}));
    EXPECT_EQ(library.mediasVisible[0]->getPath(), kDevice + "/Photos/Full Resolution/2006/07/14/x.jpg");
    EXPECT_EQ(library.mediasVisible[1]->getPath(), kDevice + "/Photos/Full Resolution/etc/passwd");
}

TEST(PhotoDatabaseReader, TruncatedFilesReadSafely)
{
    const dw::Bytes whole = dw::photoDatabase({photo(1, "A.JPG", "Holiday 2006"), photo(2, "B.JPG")},
                                              {{"Album", {2, 1}}});
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const Library library = read(dw::Bytes(whole.begin(), whole.begin() + size));
        ASSERT_LE(library.mediasVisible.size(), 2u);
        ASSERT_LE(library.playLists.size(), 2u);
    }
    EXPECT_EQ(listNames(read(whole)), (std::vector<std::string>{"Photos", "Album"}));
}
