#include <fstream>
#include <system_error>

#include "tools/device_writer/device_writer.h"

namespace korvida::devicewriter {

namespace {

// The place a colon-separated device text names under a folder: ":F00:ABCD.mp3" under
// Music gives Music/F00/ABCD.mp3.
std::filesystem::path placeUnder(const std::filesystem::path& folder, const std::string& colonPath)
{
    std::filesystem::path place = folder;
    std::size_t start = 0;
    while (start <= colonPath.size()) {
        std::size_t end = colonPath.find(':', start);
        if (end == std::string::npos)
            end = colonPath.size();
        const std::string piece = colonPath.substr(start, end - start);
        if (!piece.empty())
            place /= piece;
        start = end + 1;
    }
    return place;
}

std::string afterPrefix(const std::string& text, const std::string& prefix)
{
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text;
}

bool writeMediaFiles(const std::filesystem::path& root, const Device& device)
{
    const Bytes placeholder{'K', 'o', 'r', 'v', 'i', 'd', 'a', '\n'};
    bool ok = true;
    for (const Track& track : device.tracks)
        if (!track.location.empty())
            ok = writeFile(placeUnder(root, track.location), placeholder) && ok;
    if (device.withPhotos)
        for (const Photo& photo : device.photos)
            ok = writeFile(placeUnder(root / "Photos" / "Full Resolution",
                                      afterPrefix(photo.fullResolution, ":Full Resolution")),
                           placeholder) &&
                ok;
    return ok;
}

bool writeThumbnailFiles(const std::filesystem::path& folder, const ThumbnailFiles& files)
{
    bool ok = true;
    for (const auto& [name, bytes] : files)
        ok = writeFile(placeUnder(folder, name), bytes) && ok;
    return ok;
}

} // namespace

bool writeFile(const std::filesystem::path& file, const Bytes& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writeDevice(const std::filesystem::path& root, const Device& device)
{
    const std::string sysInfo = "ModelNumStr: xA623\nvisibleBuildID: 0x01208000\n";
    bool ok = writeFile(root / "iPod_Control" / "Device" / "SysInfo", Bytes(sysInfo.begin(), sysInfo.end()));
    if (device.withITunesDB)
        ok = writeFile(root / "iPod_Control" / "iTunes" / "iTunesDB",
                       iTunesDB(device.tracks, device.playlists, device.iTunesLayout)) &&
            ok;
    if (device.withPhotos) {
        std::error_code error;
        if (device.withFullResolutionFolder)
            std::filesystem::create_directories(root / "Photos" / "Full Resolution", error);
        ok = !error && ok;
        ThumbnailFiles thumbnails;
        ok = writeFile(root / "Photos" / "Photo Database",
                       photoDatabase(device.photos, device.albums, device.photoLayout, &thumbnails)) &&
            ok;
        ok = writeThumbnailFiles(root / "Photos", thumbnails) && ok;
    }
    if (!device.artwork.empty()) {
        ThumbnailFiles covers;
        const std::filesystem::path folder = root / "iPod_Control" / "Artwork";
        ok = writeFile(folder / "ArtworkDB", artworkDB(device.artwork, covers)) && ok;
        ok = writeThumbnailFiles(folder, covers) && ok;
    }
    if (device.withMediaFiles)
        ok = writeMediaFiles(root, device) && ok;
    return ok;
}

} // namespace korvida::devicewriter
