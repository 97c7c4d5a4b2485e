#include "copy/run_folders.h"

#include "copy/export_naming.h"
#include "library/in_media.h"

namespace korvida {

RunFolders prepareRunFolders(std::span<const std::unique_ptr<InMedia>> items, const std::string& chosenFolder,
                             DestinationFileSystem& fileSystem)
{
    bool tunesOrMovies = false;
    bool pictures = false;
    for (const auto& item : items) {
        if (!item->getTaged())
            continue;
        if (item->getMediaType() == InMedia::kPhoto)
            pictures = true;
        else if (item->getMediaType() == InMedia::kMusic || item->getMediaType() == InMedia::kMovie)
            tunesOrMovies = true;
    }
    if (!tunesOrMovies || !pictures)
        return {chosenFolder, chosenFolder, {}};
    RunFolders folders{joinPath(chosenFolder, "Music:Movies"), joinPath(chosenFolder, "Photos"), {}};
    std::error_code error = fileSystem.makeFolder(folders.musicMovies);
    if (error == std::errc::invalid_argument) {
        folders.musicMovies = joinPath(chosenFolder, portableName("Music:Movies"));
        error = fileSystem.makeFolder(folders.musicMovies);
    }
    if (!error)
        folders.made.push_back(folders.musicMovies);
    if (!fileSystem.makeFolder(folders.photos))
        folders.made.push_back(folders.photos);
    return folders;
}

void removeEmptyRunFolders(const RunFolders& folders, DestinationFileSystem& fileSystem)
{
    for (const std::string& folder : folders.made)
        fileSystem.removeEmptyFolder(folder);
}

} // namespace korvida
