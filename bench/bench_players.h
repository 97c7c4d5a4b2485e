#pragma once

// Player folders the read benchmarks share, written once per process under the temporary
// folder and removed at exit.
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "tools/device_writer/device_writer.h"

namespace korvida::bench {

namespace fs = std::filesystem;
namespace dw = korvida::devicewriter;

// A player folder under the temporary folder, removed at exit.
class BenchDevice {
public:
    explicit BenchDevice(const std::string& name)
        : root(fs::temp_directory_path() / ("korvida-bench-" + name + "-" + std::to_string(::getpid())))
    {}
    ~BenchDevice()
    {
        std::error_code error;
        fs::remove_all(root, error);
    }
    std::string path() const { return root.string(); }

    std::uintmax_t databaseBytes() const
    {
        std::error_code error;
        std::uintmax_t total = 0;
        for (const fs::path& file : {root / "iPod_Control/iTunes/iTunesDB", root / "Photos/Photo Database"}) {
            const std::uintmax_t size = fs::file_size(file, error);
            total += error ? 0 : size;
        }
        return total;
    }

    fs::path root;
};

// 50,000 tracks, 20 playlists of 5,000 members, 5,000 photos in 50 albums.
inline const BenchDevice& syntheticDevice()
{
    static const BenchDevice device = [] {
        BenchDevice made("synthetic");
        dw::Device player;
        for (std::uint32_t i = 0; i < 50000; ++i) {
            char location[64];
            std::snprintf(location, sizeof location, ":iPod_Control:Music:F%02u:T%05u.mp3", i % 50, i);
            player.tracks.push_back({"Track title number " + std::to_string(i), "Artist " + std::to_string(i % 700),
                                     "Album " + std::to_string(i % 4000), "Genre " + std::to_string(i % 25), location,
                                     i + 1, i % 20 + 1, "MPEG audio file"});
        }
        for (std::uint32_t list = 0; list < 20; ++list) {
            dw::Playlist playlist{"Playlist " + std::to_string(list), {}};
            for (std::uint32_t member = 0; member < 5000; ++member)
                playlist.memberIds.push_back((list * 2477 + member * 7) % 50000 + 1);
            player.playlists.push_back(std::move(playlist));
        }
        for (std::uint32_t i = 0; i < 5000; ++i) {
            char place[96];
            std::snprintf(place, sizeof place, ":Full Resolution:20%02u:%02u:%02u:IMG_%04u.JPG", i % 10, i % 12 + 1,
                          i % 28 + 1, i);
            player.photos.push_back({100000 + i, place, ""});
        }
        for (std::uint32_t album = 0; album < 50; ++album) {
            dw::PhotoAlbum photos{"Album " + std::to_string(album), {}};
            for (std::uint32_t member = 0; member < 100; ++member)
                photos.imageIds.push_back(100000 + album * 100 + member);
            player.albums.push_back(std::move(photos));
        }
        player.withPhotos = true;
        dw::writeDevice(made.root, player);
        return made;
    }();
    return device;
}

} // namespace korvida::bench
