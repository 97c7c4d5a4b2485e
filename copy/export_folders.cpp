#include "copy/export_folders.h"

#include <filesystem>

namespace korvida {

std::string makeExportFolders(const std::string& runFolder, const ExportPlace& place)
{
    std::string folder = runFolder;
    for (const std::string& level : place.folders) {
        folder = joinPath(folder, level);
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::symlink_status(folder, ignored)))
            std::filesystem::create_directory(folder, ignored);
    }
    return joinPath(folder, place.fileName);
}

} // namespace korvida
