#include "import/import_copy.h"

#include <atomic>
#include <filesystem>

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
    std::error_code error;
    const auto size = std::filesystem::file_size(*source, error);
    if (error)
        return {CopyOutcome::missing, {}};
    std::filesystem::create_directories(folder, error);
    const NumberedPlace target = findNumberedPlace(folder, fileName, size);
    if (target.alreadyThere)
        return {CopyOutcome::skipped, target.path};
    // The import counts its items itself; the engine's count goes nowhere.
    std::atomic<int> engineCount{1};
    FileCopySource file(*source);
    return {copyFrom(item, file, target.path, engineCount), target.path};
}

} // namespace korvida
