#include "import/import_copy.h"

#include <atomic>
#include <filesystem>

#include "copy/file_copy_source.h"
#include "copy/media_copy.h"
#include "copy/numbered_name.h"
#include "library/in_media.h"

namespace korvida {

ImportedFile importFile(InMedia& item, const std::string& folder, const std::string& fileName)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(item.getPath(), error);
    if (error)
        return {CopyOutcome::missing, {}};
    std::filesystem::create_directories(folder, error);
    const NumberedPlace target = findNumberedPlace(folder, fileName, size);
    if (target.alreadyThere)
        return {CopyOutcome::skipped, target.path};
    // The import counts its items itself; the engine's count goes nowhere.
    std::atomic<int> engineCount{1};
    FileCopySource source(item.getPath());
    return {copyFrom(item, source, target.path, engineCount), target.path};
}

} // namespace korvida
