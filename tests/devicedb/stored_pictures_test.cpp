#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "devicedb/device_reader.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;
namespace fs = std::filesystem;

// Tunes' covers from the artwork database and photos kept only as thumbnails, read from a
// whole player folder.

namespace {

dw::Thumbnail thumbnail(const std::string& file, std::uint16_t width, std::uint16_t height, std::uint16_t sideBar = 0,
                        std::uint16_t topBar = 0)
{
    dw::Thumbnail result;
    result.file = file;
    result.width = width;
    result.height = height;
    result.sideBar = sideBar;
    result.topBar = topBar;
    result.rgb.assign(std::size_t{width} * height * 3, 0x80);
    return result;
}

dw::Track tune(const std::string& title, std::uint32_t id, std::uint32_t artworkId)
{
    dw::Track track;
    track.title = title;
    track.location = ":iPod_Control:Music:F00:" + title + ".mp3";
    track.id = id;
    track.artworkId = artworkId;
    return track;
}

const InMedia& named(const Library& library, const std::string& name)
{
    for (const auto& media : library.mediasVisible)
        if (media->getCleanName() == name)
            return *media;
    throw std::runtime_error("no item " + name);
}

} // namespace

TEST(StoredPictures, CoversGoToTheTunesThatNameThemTheLargestThatFitsItsFile)
{
    TempDir player;
    dw::Device device;
    device.iTunesLayout.trackHeaderLength = 388;
    device.tracks = {tune("Bars", 1, 300), tune("Fallback", 2, 301), tune("Unknown image", 3, 999), tune("None", 4, 0)};
    device.artwork = {{300, {thumbnail(":F1055_1.ithmb", 10, 10), thumbnail(":F1060_1.ithmb", 40, 30, 4, 2)}},
                      {301, {thumbnail(":F1055_1.ithmb", 12, 12), thumbnail(":F1061_1.ithmb", 50, 50)}}};
    ASSERT_TRUE(dw::writeDevice(player.path(), device));
    // The larger picture of image 301 lies past the end of its file, cut short.
    fs::resize_file(player.path() / "iPod_Control" / "Artwork" / "F1061_1.ithmb", 50 * 50 * 2 - 1);

    const Library library = korvida::readDevice(player.path().string());
    const StoredPicture* bars = named(library, "Bars").getStoredPicture();
    ASSERT_NE(bars, nullptr);
    EXPECT_EQ(*bars->file, (player.path() / "iPod_Control" / "Artwork" / "F1060_1.ithmb").string());
    EXPECT_EQ(bars->offset, 0u);
    EXPECT_EQ(bars->frameWidth, 48);
    EXPECT_EQ(bars->frameHeight, 34);
    EXPECT_EQ(bars->left, 4);
    EXPECT_EQ(bars->top, 2);
    EXPECT_EQ(bars->width, 40);
    EXPECT_EQ(bars->height, 30);
    const StoredPicture* fallback = named(library, "Fallback").getStoredPicture();
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->width, 12);
    EXPECT_EQ(fallback->offset, 10u * 10 * 2);
    EXPECT_EQ(named(library, "Unknown image").getStoredPicture(), nullptr);
    EXPECT_EQ(named(library, "None").getStoredPicture(), nullptr);
}

TEST(StoredPictures, PhotosKeptAsThumbnailsAreNamedDatedAndInTheirAlbums)
{
    TempDir player;
    dw::Device device;
    device.withPhotos = true;
    device.withFullResolutionFolder = false;
    dw::Photo original;
    original.id = 1;
    original.fullResolution = ":Full Resolution:2006:07:14:IMG_0101.JPG";
    dw::Photo first;
    first.id = 2;
    first.thumbnails = {thumbnail(":Thumbs:F1024_1.ithmb", 32, 24), thumbnail(":Thumbs:F1036_1.ithmb", 8, 6)};
    first.date = 3'376'598'400; // 2010-12-31, in seconds since 1904
    dw::Photo second;
    second.id = 3;
    // A thumbnail whose byte count does not fit its size is passed over like a missing file.
    second.thumbnails = {thumbnail(":Thumbs:F1024_1.ithmb", 16, 12)};
    device.photos = {original, first, second};
    device.albums = {{"Trip", {3, 2}}};
    ASSERT_TRUE(dw::writeDevice(player.path(), device));
    const fs::path database = player.path() / "Photos" / "Photo Database";
    std::string bytes;
    {
        std::ifstream in(database, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::size_t lastHeader = bytes.rfind("mhni");
    bytes[lastHeader + 24] ^= 1; // byte count 383 for a 16 × 12 frame
    std::ofstream(database, std::ios::binary | std::ios::trunc) << bytes;

    const Library library = korvida::readDevice(player.path().string());
    ASSERT_EQ(library.mediasVisible.size(), 3u);
    EXPECT_EQ(library.mediasVisible[0]->getCleanName(), "IMG_0101.JPG");
    EXPECT_FALSE(library.mediasVisible[0]->isThumbnailPhoto());

    const InMedia& photo = *library.mediasVisible[1];
    EXPECT_EQ(photo.getCleanName(), "Photo 0001");
    EXPECT_EQ(photo.getNameWithType(), "Photo 0001.png");
    EXPECT_EQ(photo.getFileType(), "png");
    EXPECT_EQ(photo.getArtist(), "2010");
    EXPECT_EQ(photo.getAlbum(), "12");
    EXPECT_EQ(photo.getDay(), "31");
    EXPECT_EQ(photo.getPath(), (player.path() / "Photos" / "Thumbs" / "Photo 0001.png").string());
    ASSERT_TRUE(photo.isThumbnailPhoto());
    EXPECT_EQ(photo.getStoredPicture()->width, 32);
    EXPECT_EQ(*photo.getStoredPicture()->file, (player.path() / "Photos" / "Thumbs" / "F1024_1.ithmb").string());

    const InMedia& unreadable = *library.mediasVisible[2];
    EXPECT_EQ(unreadable.getCleanName(), "Photo 0002");
    EXPECT_EQ(unreadable.getStoredPicture(), nullptr);
    EXPECT_EQ(unreadable.getDay(), "");

    const PlayList& album = *library.playLists.back();
    EXPECT_EQ(album.getCleanListName(), "Trip");
    ASSERT_EQ(album.getMedias().size(), 2u);
    EXPECT_EQ(album.getMedias()[0], &unreadable);
    EXPECT_EQ(album.getMedias()[1], &photo);
}
