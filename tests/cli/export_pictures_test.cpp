#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include "cli/export_command.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

namespace writer = korvida::devicewriter;
namespace fs = std::filesystem;

// A player of a model not in the corpus, written the same way: covers only in its artwork
// database, in big-endian RGB 5-6-5 with bars and in YUV 4:2:2, and a photo kept only as
// thumbnails, the largest in planar YUV 4:2:0 with split fields.

namespace {

const Rgb kRed{208, 32, 32};
const Rgb kGreen{32, 160, 64};
const Rgb kBlue{32, 64, 208};
const Rgb kYellow{224, 192, 32};

writer::Thumbnail picture(const std::string& file, std::uint16_t width, std::uint16_t height, writer::Pixels pixels,
                          const std::function<Rgb(std::uint32_t x, std::uint32_t y)>& colour)
{
    writer::Thumbnail thumbnail;
    thumbnail.file = file;
    thumbnail.width = width;
    thumbnail.height = height;
    thumbnail.pixels = pixels;
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            for (int channel : colour(x, y))
                thumbnail.rgb.push_back(static_cast<std::uint8_t>(channel));
    return thumbnail;
}

writer::Track tune(const std::string& title, const std::string& album, std::uint32_t id, std::uint32_t artworkId)
{
    writer::Track track;
    track.title = title;
    track.artist = "Band";
    track.album = album;
    track.location = ":iPod_Control:Music:F01:" + title + ".mp3";
    track.id = id;
    track.trackNumber = id;
    track.artworkId = artworkId;
    return track;
}

} // namespace

TEST(ExportPictures, ThumbnailPhotosBecomePngsAndEachAlbumFolderGetsItsCover)
{
    TempDir root;
    const fs::path player = root.path() / "player";
    const fs::path destination = root.path() / "out";

    writer::Device device;
    device.iTunesLayout.trackHeaderLength = 388;
    device.tracks = {tune("One", "Sea", 1, 300), tune("Two", "Sea", 2, 301), tune("Three", "Own", 3, 301)};
    // A gradient: a plain colour in big-endian 5-6-5 cannot be told from little-endian.
    const auto gradient = [](std::uint32_t x, std::uint32_t y) {
        return Rgb{int(x * 6), int(y * 6), 200};
    };
    writer::Thumbnail bigEndian = picture(":F1060_1.ithmb", 40, 40, writer::Pixels::rgb565Big, gradient);
    bigEndian.sideBar = 4;
    device.artwork = {
        {300,
         {picture(":F1055_1.ithmb", 8, 8, writer::Pixels::rgb565Little, [](auto, auto) { return kYellow; }),
          bigEndian}},
        {301, {picture(":F1061_1.ithmb", 32, 32, writer::Pixels::uyvy, [](auto, auto) { return kRed; })}}};
    device.withPhotos = true;
    device.withFullResolutionFolder = false;
    writer::Photo photo;
    photo.id = 7;
    photo.date = 3'376'598'400; // 2010-12-31
    writer::Thumbnail television = picture(":Thumbs:F1067_1.ithmb", 48, 32, writer::Pixels::yuv420Planar,
                                           [](std::uint32_t x, std::uint32_t y) {
                                               return y < 16 ? (x < 24 ? kRed : kGreen) : (x < 24 ? kBlue : kYellow);
                                           });
    television.fieldsSplit = true;
    television.sideBar = 4;
    television.topBar = 2;
    photo.thumbnails = {picture(":Thumbs:F1024_1.ithmb", 16, 12, writer::Pixels::rgb565Little,
                                [](auto, auto) {
                                    return Rgb{128, 128, 128};
                                }),
                        television};
    device.photos = {photo};
    device.withMediaFiles = true;
    ASSERT_TRUE(writer::writeDevice(player, device));
    // The user's own cover of an album is kept.
    fs::create_directories(destination / "Music:Movies" / "Band" / "Own");
    std::ofstream(destination / "Music:Movies" / "Band" / "Own" / "cover.jpg") << "mine";

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(korvida::cli::exportCommand({player.string(), destination.string()}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "4 copied, 0 skipped (already there), 0 missing on the player, 0 failed\n");

    const korvida::RgbImage png = readPngFile(destination / "Photos" / "2010" / "12" / "31" / "Photo 0001.png");
    ASSERT_EQ(png.width, 48u);
    ASSERT_EQ(png.height, 32u);
    const std::array<Rgb, 4> quarters = quarterColours(png);
    const Rgb expected[] = {kRed, kGreen, kBlue, kYellow};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_LE(colourDistance(quarters[i], expected[i]), 10) << i;

    // The first tune of the album gives the folder its cover.
    const korvida::RgbImage cover = readJpegFile(destination / "Music:Movies" / "Band" / "Sea" / "cover.jpg");
    ASSERT_EQ(cover.width, 40u);
    EXPECT_LE(colourDistance(pixelAt(cover, 20, 20), gradient(20, 20)), 16);
    std::ifstream own(destination / "Music:Movies" / "Band" / "Own" / "cover.jpg");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "mine");
}
