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
        return {chosenFolder, chosenFolder};
    RunFolders folders{joinPath(chosenFolder, "Music:Movies"), joinPath(chosenFolder, "Photos")};
    if (fileSystem.makeFolder(folders.musicMovies) == std::errc::invalid_argument) {
        folders.musicMovies = joinPath(chosenFolder, portableName("Music:Movies"));
        fileSystem.makeFolder(folders.musicMovies);
    }
    fileSystem.makeFolder(folders.photos);
    return folders;
}

} // namespace korvida
