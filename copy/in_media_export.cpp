#include <filesystem>

#include "copy/copy_outcome.h"
#include "copy/export_delegate.h"
#include "copy/export_folders.h"
#include "copy/export_naming.h"
#include "copy/file_copy_source.h"
#include "library/in_media.h"

using korvida::CopyOutcome;

namespace {

bool fileExists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

} // namespace

CopyOutcome InMedia::exportMusicMovie(const std::string& runFolder, const korvida::ExportDelegate& delegat)
{
    CopyOutcome outcome;
    if (!fileExists(path)) {
        outcome = markBroken(delegat.numberOfSaveMedia);
    } else {
        const bool withTrackNumber = delegat.saveWithTrackNumber.load(std::memory_order_relaxed) == 1;
        const auto place = korvida::musicMoviePlace(
            artist, album, korvida::musicMovieFileName(getCleanName(), fileType, tuneOnCdNr, withTrackNumber));
        outcome = exportTo(korvida::makeExportFolders(runFolder, place), delegat.numberOfSaveMedia);
    }
    delegat.updateMediaTableView();
    return outcome;
}

CopyOutcome InMedia::exportPicture(const std::string& runFolder, const korvida::ExportDelegate& delegat)
{
    CopyOutcome outcome;
    if (!fileExists(path)) {
        outcome = markBroken(delegat.numberOfSaveMedia);
    } else {
        const auto place = korvida::picturePlace(artist, album, day.value_or(""), nameWithType.value_or(""));
        outcome = exportTo(korvida::makeExportFolders(runFolder, place), delegat.numberOfSaveMedia);
    }
    delegat.updateMediaTableView();
    return outcome;
}

CopyOutcome InMedia::exportTo(const std::string& destination, std::atomic<int>& numberOfSaveMedia)
{
    // Anything at all at the destination, even a dangling link, is left alone.
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(destination, ignored)))
        return CopyOutcome::skipped;
    // A copy that is not whole leaves nothing under the destination, so there is no
    // partial file here to remove.
    korvida::FileCopySource source(path);
    return copyFrom(source, destination, numberOfSaveMedia);
}

CopyOutcome InMedia::markBroken(std::atomic<int>& numberOfSaveMedia)
{
    shouldStopCopy.store(false, std::memory_order_relaxed);
    isCopying.store(false, std::memory_order_relaxed);
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    isBroken.store(true, std::memory_order_relaxed);
    {
        // Read and renamed in one step: the table may be drawing this name right now.
        std::lock_guard lock(nameMutex);
        name = "BROKEN !! " + name;
    }
    return CopyOutcome::missing;
}
