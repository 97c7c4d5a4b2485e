#include "desktop_fixture.h"

#include <filesystem>

#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

DesktopFixture::DesktopFixture()
{
    restart();
}

DesktopFixture::~DesktopFixture() = default;

QString DesktopFixture::settingsFile() const
{
    return QString::fromStdString((folder.path() / "settings" / "korvida.ini").string());
}

void DesktopFixture::restart()
{
    desktop.reset();
    desktop = std::make_unique<korvida::qt::DesktopApp>(
        korvida::qt::DesktopPaths{settingsFile(), QString::fromStdString((folder.path() / "cache").string()),
                                  QString::fromStdString((folder.path() / "mountinfo").string())});
}

QString DesktopFixture::writePlayer(const char* name) const
{
    dw::Device device;
    device.tracks = {
        dw::Track{"Harbour Bells", "Fjord Brass", "Tides", "Folk", ":iPod_Control:Music:F00:AAAA.mp3", 101, 1,
                  "MPEG audio file"},
        dw::Track{"Snowfall", "Aurora Quartet", "Winter", "Ambient", ":iPod_Control:Music:F01:BBBB.mp3", 102, 2,
                  "MPEG audio file"},
    };
    device.playlists = {dw::Playlist{"Road trip", {101, 102}}};
    const auto root = folder.path() / name;
    EXPECT_TRUE(dw::writeDevice(root, device));
    return QString::fromStdString(root.string());
}

QString DesktopFixture::writePlayerWithMedia(const char* name, bool inAPlaylist) const
{
    namespace fs = std::filesystem;
    const fs::path root = folder.path() / name;
    const fs::path assets = KORVIDA_SOURCE_DIR "/demo/assets";
    fs::create_directories(root / "iPod_Control/Music/F00");
    fs::copy_file(assets / "movies/sunrise.m4v", root / "iPod_Control/Music/F00/FILM.m4v");
    fs::copy_file(assets / "music/snowfall.mp3", root / "iPod_Control/Music/F00/TUNE.mp3");
    dw::Device device;
    device.tracks = {
        dw::Track{"Sunrise", "Korvida", "Films", "Film", ":iPod_Control:Music:F00:FILM.m4v", 201, 1, "MPEG-4"},
        dw::Track{"Snowfall", "Aurora Quartet", "Winter", "Ambient", ":iPod_Control:Music:F00:TUNE.mp3", 202, 2,
                  "MPEG audio file"},
    };
    if (inAPlaylist)
        device.playlists = {dw::Playlist{"Mix", {201, 202}}};
    EXPECT_TRUE(dw::writeDevice(root, device));
    return QString::fromStdString(root.string());
}
