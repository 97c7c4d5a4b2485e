#pragma once

#include <filesystem>
#include <vector>

#include "tools/device_writer/device_writer.h"

namespace korvida::demo {

// A media file of the demo: where it lies under the assets folder and where it goes in
// the player folder.
struct DemoFile {
    std::filesystem::path asset;
    std::filesystem::path place;
};

// The demo player: five tunes by three artists on three albums in three genres, a film,
// two playlists, and six photos of four days in two albums.
struct DemoDevice {
    devicewriter::Device device;
    std::vector<DemoFile> files;
};

DemoDevice demoDevice();

} // namespace korvida::demo
