// make_demo_device ASSETS_DIR OUT_DIR: builds the demo player folder from the committed
// demo media: SysInfo, an iTunesDB with tunes, a film and two playlists, a Photo Database
// with photos in two albums, and every media file at the place the databases name.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tools/device_writer/device_writer.h"

namespace fs = std::filesystem;
namespace writer = korvida::devicewriter;

namespace {

struct DemoTrack {
    const char* asset;   // under ASSETS_DIR
    const char* folder;  // Fxx under iPod_Control/Music
    const char* file;    // the player's own four-letter file name
    writer::Track track;
};

struct DemoPhoto {
    const char* asset;
    const char* year;
    const char* month;
    const char* day;
    std::uint32_t id;
};

writer::Track track(const char* title, const char* artist, const char* album, const char* genre,
                    std::uint32_t id, std::uint32_t number, const char* fileType)
{
    writer::Track result;
    result.title = title;
    result.artist = artist;
    result.album = album;
    result.genre = genre;
    result.id = id;
    result.trackNumber = number;
    result.fileType = fileType;
    return result;
}

std::vector<DemoTrack> demoTracks()
{
    const char* mp3 = "MPEG audio file";
    return {
        {"music/northern_lights.mp3", "F00", "NRLT.mp3",
         track("Northern Lights", "Aurora Quartet", "Polar Nights", "Ambient", 1001, 1, mp3)},
        {"music/snowfall.mp3", "F01", "QZPL.mp3",
         track("Snowfall", "Aurora Quartet", "Polar Nights", "Ambient", 1002, 2, mp3)},
        {"music/harbour_bells.mp3", "F02", "HBLS.mp3",
         track("Harbour Bells", "Fjord Brass", "Coastline", "Folk", 1003, 3, mp3)},
        {"music/sjobris.mp3", "F00", "SJBR.mp3",
         track("Sjøbris", "Fjord Brass", "Coastline", "Folk", 1004, 4, mp3)},
        {"music/cafe_electrique.mp3", "F03", "KAFE.mp3",
         track("Café Électrique", "Les Ondes", "Courant", "Electronic", 1005, 1, mp3)},
        {"movies/sunrise.m4v", "F01", "SNRS.m4v",
         track("Sunrise over the Fjord", "Korvida Films", "Short Films", "Documentary", 1006, 1,
               "MPEG-4 video file")},
    };
}

std::vector<DemoPhoto> demoPhotos()
{
    return {
        {"photos/IMG_0101.JPG", "2006", "07", "14", 64},
        {"photos/IMG_0102.JPG", "2006", "07", "14", 65},
        {"photos/IMG_0207.JPG", "2006", "08", "02", 66},
        {"photos/IMG_0311.JPG", "2007", "01", "20", 67},
        {"photos/IMG_0312.JPG", "2007", "01", "21", 68},
        {"photos/IMG_0415.JPG", "2007", "06", "30", 69},
    };
}

bool copyInto(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (!error)
        fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
    if (error)
        std::cerr << "make_demo_device: cannot copy " << source << " to " << target << ": " << error.message() << '\n';
    return !error;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_demo_device ASSETS_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path assets = argv[1];
    const fs::path out = argv[2];

    writer::Device device;
    bool ok = true;
    for (DemoTrack& demo : demoTracks()) {
        demo.track.location = std::string(":iPod_Control:Music:") + demo.folder + ":" + demo.file;
        device.tracks.push_back(demo.track);
        ok = copyInto(assets / demo.asset, out / "iPod_Control" / "Music" / demo.folder / demo.file) && ok;
    }
    device.playlists = {{"Road trip", {1005, 1003, 1001, 1004}}, {"Quiet evening", {1002, 1004, 1006}}};

    device.withPhotos = true;
    for (const DemoPhoto& demo : demoPhotos()) {
        const std::string file = fs::path(demo.asset).filename().string();
        writer::Photo photo;
        photo.id = demo.id;
        photo.fullResolution = std::string(":Full Resolution:") + demo.year + ":" + demo.month + ":" + demo.day + ":" + file;
        device.photos.push_back(photo);
        ok = copyInto(assets / demo.asset, out / "Photos" / "Full Resolution" / demo.year / demo.month / demo.day / file) && ok;
    }
    device.albums = {{"Summer", {64, 65, 66, 69}}, {"Winter", {67, 68}}};

    if (!writer::writeDevice(out, device)) {
        std::cerr << "make_demo_device: cannot write the databases under " << out << '\n';
        ok = false;
    }
    return ok ? 0 : 1;
}
