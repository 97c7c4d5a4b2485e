// make_fuzz_corpus FOLDER: writes small valid databases in every layout the device writer
// knows into FOLDER/itunesdb and FOLDER/photodb, the starting corpora of the fuzz targets.

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
    if (!ok)
        std::cerr << "make_fuzz_corpus: cannot write under " << folder << '\n';
    return ok ? 0 : 1;
}
