#include "import/import_copy.h"

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "copy/export_naming.h"
#include "copy/file_copy_source.h"
#include "copy/media_copy.h"
#include "copy/numbered_name.h"
#include "copy/player_file.h"
#include "library/in_media.h"

namespace korvida {

ImportedFile importFile(InMedia& item, const std::string& folder, const std::string& fileName,
                        const std::string& playerFolder)
{
    const std::optional<std::string> source = resolvePlayerFile(item.getPath(), playerFolder);
    if (!source)
        return {CopyOutcome::missing, {}};
    FileCopySource file(*source);
    if (!file.isOpen() && file.openFailure() == ENOENT)
        return {CopyOutcome::missing, {}};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    // A source that cannot be read has no stamp to compare: its copy fails under the plain name.
    const NumberedPlace target = file.isOpen()
        ? findNumberedPlace(folder, fileName, FileStamp{file.measureSize(), file.modificationTime()})
        : NumberedPlace{joinPath(folder, fileName), false};
    if (target.alreadyThere)
        return {CopyOutcome::skipped, target.path};
    // The import counts its items itself; the engine's count goes nowhere.
    std::atomic<int> engineCount{1};
    return {copyFrom(item, file, target.path, engineCount), target.path};
}

} // namespace korvida
