#include "import/import_copy.h"

#include <atomic>
#include <filesystem>

#include "copy/item_source.h"
#include "copy/media_copy.h"
#include "copy/numbered_name.h"
#include "library/in_media.h"

namespace korvida {

ImportedFile importFile(InMedia& item, const std::string& folder, const std::string& fileName,
                        const std::string& playerFolder)
{
    const std::optional<std::string> source = resolveItemFile(item, playerFolder);
    if (!source)
        return {CopyOutcome::missing, {}};
    const std::unique_ptr<CopySource> file = openItemSource(item, *source);
    if (!file->isOpen())
        return {CopyOutcome::missing, {}};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const NumberedPlace target = findNumberedPlace(folder, fileName, file->measureSize());
    if (target.alreadyThere)
        return {CopyOutcome::skipped, target.path};
    // The import counts its items itself; the engine's count goes nowhere.
    std::atomic<int> engineCount{1};
    return {copyFrom(item, *file, target.path, engineCount), target.path};
}

} // namespace korvida
