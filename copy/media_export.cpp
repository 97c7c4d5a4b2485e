#include "copy/media_export.h"

#include <filesystem>

#include "copy/export_folders.h"
#include "copy/export_naming.h"
#include "copy/file_copy_source.h"
#include "copy/media_copy.h"
#include "library/in_media.h"

namespace korvida {

namespace {

bool fileExists(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

// The item's file is gone from the player: it is counted down and its name marked.
CopyOutcome markBroken(InMedia& media, std::atomic<int>& numberOfSaveMedia)
{
    media.setShouldStopCopy(false);
    media.setIsCopying(false);
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    media.setIsBroken(true);
    media.prefixName("BROKEN !! ");
    return CopyOutcome::missing;
}

CopyOutcome exportTo(InMedia& media, const std::string& destination, std::atomic<int>& numberOfSaveMedia)
{
    // Anything at all at the destination, even a dangling link, is left alone.
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(destination, ignored)))
        return CopyOutcome::skipped;
    // A copy that is not whole leaves nothing under the destination, so there is no
    // partial file here to remove.
    FileCopySource source(media.getPath());
    return copyFrom(media, source, destination, numberOfSaveMedia);
}

} // namespace

CopyOutcome exportMusicMovie(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat)
{
    CopyOutcome outcome;
    if (!fileExists(media.getPath())) {
        outcome = markBroken(media, delegat.numberOfSaveMedia);
    } else {
        const bool withTrackNumber = delegat.saveWithTrackNumber.load(std::memory_order_relaxed) == 1;
        const auto place = musicMoviePlace(
            media.getArtist(), media.getAlbum(),
            musicMovieFileName(media.getCleanName(), media.getFileType(), media.getTuneOnCdNr(), withTrackNumber));
        outcome = exportTo(media, makeExportFolders(runFolder, place), delegat.numberOfSaveMedia);
    }
    delegat.updateMediaTableView();
    return outcome;
}

CopyOutcome exportPicture(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat)
{
    CopyOutcome outcome;
    if (!fileExists(media.getPath())) {
        outcome = markBroken(media, delegat.numberOfSaveMedia);
    } else {
        const auto place = picturePlace(media.getArtist(), media.getAlbum(), media.getDay().value_or(""),
                                        media.getNameWithType().value_or(""));
        outcome = exportTo(media, makeExportFolders(runFolder, place), delegat.numberOfSaveMedia);
    }
    delegat.updateMediaTableView();
    return outcome;
}

} // namespace korvida
