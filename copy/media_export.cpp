#include "copy/media_export.h"

#include <cerrno>
#include <climits>

#include "copy/export_folders.h"
#include "copy/export_naming.h"
#include "copy/folder_cover.h"
#include "copy/item_source.h"
#include "copy/media_copy.h"
#include "copy/numbered_name.h"
#include "library/in_media.h"

namespace korvida {

namespace {

// The item's file is gone from the player (or leads out of it): it is counted down and
// its name marked.
CopyOutcome markBroken(InMedia& media, std::atomic<int>& numberOfSaveMedia)
{
    media.setShouldStopCopy(false);
    media.setIsCopying(false);
    numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
    media.setIsBroken(true);
    media.prefixName("BROKEN !! ");
    return CopyOutcome::missing;
}

// Copies `source` to its place under the run folder. A same-named file of another size or
// modification time there makes the copy take the next numbered name; one of the same size
// and time is taken to be this file, copied before, and the item is skipped.
CopyOutcome exportTo(InMedia& media, const std::string& source, const std::string& runFolder, const ExportPlace& place,
                     const ExportDelegate& delegat)
{
    DestinationFileSystem& fileSystem = *delegat.fileSystem;
    const std::unique_ptr<CopySource> opened = openItemSource(media, source);
    CopySource& file = *opened;
    const ExportFolders folders = makeExportFolders(fileSystem, runFolder, place);
    const std::string fileName = acceptedFileName(fileSystem, folders, place.fileName);
    // A source that cannot be read has no size to compare: its copy fails under the plain name.
    const NumberedPlace destination = file.isOpen()
        ? findNumberedPlace(folders.folder, fileName, FileStamp{file.measureSize(), file.modificationTime()})
        : NumberedPlace{joinPath(folders.folder, fileName), false};
    if (destination.alreadyThere) {
        writeFolderCover(media, folders.folder, delegat.playerFolder);
        return CopyOutcome::skipped;
    }
    CopyOutcome outcome;
    if (destination.path.size() >= PATH_MAX) {
        // Known to fail at the rename, so nothing is copied.
        delegat.numberOfSaveMedia.fetch_sub(1, std::memory_order_relaxed);
        media.setCopyFailure(ENAMETOOLONG);
        outcome = CopyOutcome::failed;
    } else {
        outcome = copyFrom(media, file, destination.path, delegat.numberOfSaveMedia);
    }
    if (outcome == CopyOutcome::failed || outcome == CopyOutcome::cancelled)
        removeMadeFolders(fileSystem, folders);
    else
        writeFolderCover(media, folders.folder, delegat.playerFolder);
    return outcome;
}

CopyOutcome exportPlaced(InMedia& media, const std::string& runFolder, const ExportPlace& place,
                         const ExportDelegate& delegat)
{
    const auto source = resolveItemFile(media, delegat.playerFolder);
    const CopyOutcome outcome = source ? exportTo(media, *source, runFolder, place, delegat)
                                       : markBroken(media, delegat.numberOfSaveMedia);
    delegat.updateMediaTableView();
    return outcome;
}

} // namespace

CopyOutcome exportMusicMovie(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat)
{
    const bool withTrackNumber = delegat.saveWithTrackNumber.load(std::memory_order_relaxed) == 1;
    const auto place = musicMoviePlace(
        media.getArtist(), media.getAlbum(),
        musicMovieFileName(media.getCleanName(), media.getFileType(), media.getTuneOnCdNr(), withTrackNumber));
    return exportPlaced(media, runFolder, place, delegat);
}

CopyOutcome exportPicture(InMedia& media, const std::string& runFolder, const ExportDelegate& delegat)
{
    const auto place = picturePlace(media.getArtist(), media.getAlbum(), media.getDay().value_or(""),
                                    media.getNameWithType().value_or(""));
    return exportPlaced(media, runFolder, place, delegat);
}

} // namespace korvida
