#include "playback/shown_picture_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "picture/image_encode.h"

namespace korvida {

ShownPictureFile::~ShownPictureFile()
{
    if (folder.empty())
        return;
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

std::string ShownPictureFile::write(const RgbImage& picture)
{
    std::error_code error;
    if (!current.empty())
        std::filesystem::remove(current, error);
    current.clear();
    const std::vector<std::uint8_t> png = encodePng(picture);
    if (png.empty())
        return {};
    if (folder.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path(error) / "korvida-picture-XXXXXX").string();
        if (error || ::mkdtemp(pattern.data()) == nullptr)
            return {};
        folder = pattern;
    }
    // A new name each time, so that a movie layer holding the last file never sees it change.
    const std::string path = folder + "/" + std::to_string(++written) + ".png";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out)
        return {};
    current = path;
    return current;
}

} // namespace korvida
