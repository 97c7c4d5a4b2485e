#include "tools/demo_device.h"

#include <cstdint>
#include <string>

namespace korvida::demo {

namespace {

namespace writer = korvida::devicewriter;

struct DemoTrack {
    const char* asset;  // under the assets folder
    const char* folder; // Fxx under iPod_Control/Music
    const char* file;   // the player's own four-letter file name
    const char* title;
    const char* artist;
    const char* album;
    const char* genre;
    std::uint32_t id;
    std::uint32_t number;
    const char* fileType;
};

struct DemoPhoto {
    const char* file; // under photos/ in the assets folder
    const char* year;
    const char* month;
    const char* day;
    std::uint32_t id;
};

constexpr const char* kMp3 = "MPEG audio file";

constexpr DemoTrack kTracks[] = {
    {"music/northern_lights.mp3", "F00", "NRLT.mp3", "Northern Lights", "Aurora Quartet", "Polar Nights", "Ambient",
     1001, 1, kMp3},
    {"music/snowfall.mp3", "F01", "QZPL.mp3", "Snowfall", "Aurora Quartet", "Polar Nights", "Ambient", 1002, 2, kMp3},
    {"music/harbour_bells.mp3", "F02", "HBLS.mp3", "Harbour Bells", "Fjord Brass", "Coastline", "Folk", 1003, 3, kMp3},
    {"music/sjobris.mp3", "F00", "SJBR.mp3", "Sjøbris", "Fjord Brass", "Coastline", "Folk", 1004, 4, kMp3},
    {"music/cafe_electrique.mp3", "F03", "KAFE.mp3", "Café Électrique", "Les Ondes", "Courant", "Electronic", 1005, 1,
     kMp3},
    {"movies/sunrise.m4v", "F01", "SNRS.m4v", "Sunrise over the Fjord", "Korvida Films", "Short Films", "Documentary",
     1006, 1, "MPEG-4 video file"},
};

constexpr DemoPhoto kPhotos[] = {
    {"IMG_0101.JPG", "2006", "07", "14", 64}, {"IMG_0102.JPG", "2006", "07", "14", 65},
    {"IMG_0207.JPG", "2006", "08", "02", 66}, {"IMG_0311.JPG", "2007", "01", "20", 67},
    {"IMG_0312.JPG", "2007", "01", "21", 68}, {"IMG_0415.JPG", "2007", "06", "30", 69},
};

} // namespace

DemoDevice demoDevice()
{
    DemoDevice demo;
    writer::Device& device = demo.device;
    for (const DemoTrack& entry : kTracks) {
        writer::Track track;
        track.title = entry.title;
        track.artist = entry.artist;
        track.album = entry.album;
        track.genre = entry.genre;
        track.location = std::string(":iPod_Control:Music:") + entry.folder + ":" + entry.file;
        track.id = entry.id;
        track.trackNumber = entry.number;
        track.fileType = entry.fileType;
        device.tracks.push_back(track);
        demo.files.push_back(
            {entry.asset, std::filesystem::path("iPod_Control") / "Music" / entry.folder / entry.file});
    }
    device.playlists = {{"Road trip", {1005, 1003, 1001, 1004}}, {"Quiet evening", {1002, 1004, 1006}}};

    device.withPhotos = true;
    for (const DemoPhoto& entry : kPhotos) {
        writer::Photo photo;
        photo.id = entry.id;
        photo.fullResolution = std::string(":Full Resolution:") + entry.year + ":" + entry.month + ":" + entry.day +
            ":" + entry.file;
        device.photos.push_back(photo);
        demo.files.push_back(
            {std::filesystem::path("photos") / entry.file,
             std::filesystem::path("Photos") / "Full Resolution" / entry.year / entry.month / entry.day / entry.file});
    }
    device.albums = {{"Summer", {64, 65, 66, 69}}, {"Winter", {67, 68}}};
    return demo;
}

} // namespace korvida::demo
