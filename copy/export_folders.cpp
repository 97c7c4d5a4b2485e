#include "copy/export_folders.h"

namespace korvida {

ExportFolders makeExportFolders(DestinationFileSystem& fileSystem, const std::string& runFolder,
                                const ExportPlace& place)
{
    ExportFolders result{runFolder, {}, false};
    for (const std::string& level : place.folders) {
        std::string folder = joinPath(result.folder, result.portable ? portableName(level) : level);
        std::error_code error = fileSystem.makeFolder(folder);
        if (error == std::errc::invalid_argument) {
            result.portable = true;
            folder = joinPath(result.folder, portableName(level));
            error = fileSystem.makeFolder(folder);
        }
        if (!error)
            result.made.push_back(folder);
        result.folder = folder;
    }
    return result;
}

std::string acceptedFileName(DestinationFileSystem& fileSystem, const ExportFolders& folders,
                             const std::string& fileName)
{
    const std::string portable = portableName(fileName);
    if (portable == fileName)
        return fileName;
    if (folders.portable || !acceptsName(fileSystem, folders.folder, fileName))
        return portable;
    return fileName;
}

void removeMadeFolders(DestinationFileSystem& fileSystem, const ExportFolders& folders)
{
    for (auto folder = folders.made.rbegin(); folder != folders.made.rend(); ++folder)
        fileSystem.removeEmptyFolder(*folder);
}

} // namespace korvida
