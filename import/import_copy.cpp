#include "import/import_copy.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "copy/export_folders.h"
#include "copy/export_naming.h"
#include "copy/item_source.h"
#include "copy/media_copy.h"
#include "copy/numbered_name.h"
#include "copy/player_file.h"
#include "library/in_media.h"

namespace korvida {

ImportedFile importFile(InMedia& item, const std::string& folder, const ExportPlace& place,
                        const std::string& playerFolder, DestinationFileSystem& fileSystem)
{
    const std::optional<std::string> source = resolveItemFile(item, playerFolder);
    if (!source)
        return {CopyOutcome::missing, {}};
    const std::unique_ptr<CopySource> file = openItemSource(item, *source);
    if (!file->isOpen() && file->openFailure() == ENOENT)
        return {CopyOutcome::missing, {}};
    // A folder of the user's may lead onto the player through a link.
    std::string destination = folder;
    for (const std::string& level : place.folders)
        destination = joinPath(destination, level);
    if (!playerFolder.empty() && liesWithin(destination, playerFolder))
        return {CopyOutcome::failed, {}};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const ExportFolders folders = makeExportFolders(fileSystem, folder, place);
    const std::string fileName = acceptedFileName(fileSystem, folders, place.fileName);
    // A source that cannot be read has no stamp to compare: its copy fails under the plain name.
    const NumberedPlace target = file->isOpen()
        ? findNumberedPlace(folders.folder, fileName, FileStamp{file->measureSize(), file->modificationTime()})
        : NumberedPlace{joinPath(folders.folder, fileName), false};
    if (target.alreadyThere)
        return {CopyOutcome::skipped, target.path};
    // The import counts its items itself; the engine's count goes nowhere.
    std::atomic<int> engineCount{1};
    const CopyOutcome outcome = copyFrom(item, *file, target.path, engineCount);
    if (outcome != CopyOutcome::copied)
        removeMadeFolders(fileSystem, folders);
    return {outcome, target.path};
}

} // namespace korvida
