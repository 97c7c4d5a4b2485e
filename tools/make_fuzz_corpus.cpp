// make_fuzz_corpus FOLDER: writes small valid databases in every layout the device writer
// knows into FOLDER/itunesdb, FOLDER/photodb and FOLDER/artwork, the starting corpora of
// the fuzz targets.

#include <filesystem>
#include <iostream>
#include <string>

#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;
using ST = dw::StringType;

namespace {

std::vector<dw::Track> tracks()
{
    return {
        {"Title \xC3\xA9", "Artist", "Album", "Rock", ":iPod_Control:Music:F00:ABCD.mp3", 0x0101, 3, "MPEG audio file"},
        {"Film", "", "Album", "", ":iPod_Control:Music:F01:EFGH.m4v", 0x0202, 200, "MPEG-4 video file"},
        {"", "Other", "", "Jazz", ":iPod_Control:Music:F02:IJKL.m4a", 0x10303, 1, "AAC audio file"}};
}

std::vector<dw::ITunesDBLayout> iTunesLayouts()
{
    std::vector<dw::ITunesDBLayout> layouts;
    for (std::uint32_t trackHeader : {156u, 244u, 432u, 624u})
        for (std::uint32_t playlistHeader : {108u, 112u, 184u}) {
            dw::ITunesDBLayout layout;
            layout.trackHeaderLength = trackHeader;
            layout.playlistHeaderLength = playlistHeader;
            layouts.push_back(layout);
        }
    dw::ITunesDBLayout libgpod;
    libgpod.stringOrder = {ST::Title, ST::Artist, ST::Album, ST::FileType, ST::Location, ST::Genre};
    dw::ITunesDBLayout older;
    older.stringOrder = {ST::Title, ST::Location, ST::Artist, ST::Album, ST::Genre, ST::FileType};
    older.playlistSectionTypes = {3, 2};
    older.libraryPlaylist = false;
    dw::ITunesDBLayout newer;
    newer.albumListFirst = true;
    newer.playlistSectionTypes = {2, 3};
    layouts.insert(layouts.end(), {libgpod, older, newer});
    return layouts;
}

std::vector<dw::PhotoDBLayout> photoLayouts()
{
    std::vector<dw::PhotoDBLayout> layouts;
    for (const auto& order : std::vector<std::vector<std::uint32_t>>{{1, 2, 3}, {1, 3, 2}, {2, 1, 3}})
        for (bool libraryAlbum : {true, false}) {
            dw::PhotoDBLayout layout;
            layout.sectionOrder = order;
            layout.libraryAlbum = libraryAlbum;
            layouts.push_back(layout);
        }
    return layouts;
}

// A thumbnail of a few pixels in the layout, with bars around it.
dw::Thumbnail thumbnail(const std::string& file, dw::Pixels pixels, bool fieldsSplit)
{
    dw::Thumbnail result;
    result.file = file;
    result.width = 6;
    result.height = 4;
    result.sideBar = 2;
    result.topBar = 1;
    result.pixels = pixels;
    result.fieldsSplit = fieldsSplit;
    for (std::uint8_t i = 0; i < 6 * 4 * 3; ++i)
        result.rgb.push_back(static_cast<std::uint8_t>(i * 37));
    return result;
}

// An artwork database of covers in every pixel layout, and a frame of each as the frame
// decoder's input (its width and height less one, then its bytes).
bool writeArtworkCorpus(const std::filesystem::path& folder)
{
    const dw::Pixels layouts[] = {dw::Pixels::rgb565Little, dw::Pixels::rgb565Big, dw::Pixels::uyvy,
                                  dw::Pixels::yuv420Planar};
    std::vector<dw::Artwork> images;
    bool ok = true;
    std::uint32_t id = 1;
    for (dw::Pixels pixels : layouts)
        for (bool fieldsSplit : {false, true}) {
            const dw::Thumbnail small = thumbnail(":F1055_1.ithmb", pixels, fieldsSplit);
            images.push_back({id, {small}});
            dw::Bytes frame{9, 5};
            const dw::Bytes rgb(10 * 6 * 3, static_cast<std::uint8_t>(id * 29));
            const dw::Bytes stored = dw::encodeFrame(rgb, 10, 6, pixels, fieldsSplit);
            frame.insert(frame.end(), stored.begin(), stored.end());
            ok = dw::writeFile(folder / ("frame-" + std::to_string(id)), frame) && ok;
            ++id;
        }
    dw::ThumbnailFiles files;
    return dw::writeFile(folder / "artworkdb", dw::artworkDB(images, files)) && ok;
}

// A Photo Database whose photos are kept only as thumbnails.
bool writeThumbnailPhotos(const std::filesystem::path& file)
{
    dw::Photo photo;
    photo.id = 0x0101;
    photo.date = 3'376'598'400;
    photo.thumbnails = {thumbnail(":Thumbs:F1024_1.ithmb", dw::Pixels::rgb565Little, false),
                        thumbnail(":Thumbs:F1067_1.ithmb", dw::Pixels::uyvy, true)};
    dw::Photo second = photo;
    second.id = 0x0202;
    return dw::writeFile(file, dw::photoDatabase({photo, second}, {{"Summer", {0x0202}}}));
}

} // namespace

// The file of the n-th layout: "layout-07".
std::string layoutFileName(int n)
{
    const std::string number = std::to_string(n);
    return "layout-" + std::string(number.size() < 2 ? 1 : 0, '0') + number;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_corpus FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    bool ok = true;
    int n = 0;
    const std::vector<dw::Playlist> playlists = {{"Mix", {0x0101, 0x10303}}, {"Films", {0x0202}}};
    for (const dw::ITunesDBLayout& layout : iTunesLayouts())
        ok = dw::writeFile(folder / "itunesdb" / layoutFileName(n++), dw::iTunesDB(tracks(), playlists, layout)) && ok;
    const std::vector<dw::Photo> photos = {{0x0101, ":Full Resolution:2006:07:14:IMG_0101.JPG", ""},
                                           {0x0202, ":Full Resolution:2007:01:02:IMG_0202.JPG", "Beach"},
                                           {0x10101, ":Full Resolution:2008:12:31:IMG_0303.JPG", ""}};
    const std::vector<dw::PhotoAlbum> albums = {{"Summer", {0x0101, 0x0202}}, {"Dissolve", {0x0202}}};
    n = 0;
    for (const dw::PhotoDBLayout& layout : photoLayouts())
        ok = dw::writeFile(folder / "photodb" / layoutFileName(n++), dw::photoDatabase(photos, albums, layout)) && ok;
    ok = writeArtworkCorpus(folder / "artwork") && ok;
    ok = writeThumbnailPhotos(folder / "photodb" / layoutFileName(n)) && ok;
    if (!ok)
        std::cerr << "make_fuzz_corpus: cannot write under " << folder << '\n';
    return ok ? 0 : 1;
}
