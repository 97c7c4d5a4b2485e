#pragma once

#include <string>

#include "copy/copy_outcome.h"
#include "copy/destination_file_system.h"
#include "copy/export_naming.h"

class InMedia;

namespace korvida {

struct ImportedFile {
    CopyOutcome outcome = CopyOutcome::failed;
    // Where the file now stands (copied, or found there from before: `skipped`).
    std::string path;
};

// Copies `item`'s file to `place` under `folder` (made when missing), as an export places
// it: the folder levels are made one by one, under their portable names where the file
// system refuses a name, and the file is numbered when its name holds another file; a file
// of the same size and modification time already
// there counts as imported (`skipped`). The copy is the copy
// engine's, so a stop request ends it; a copy that is not whole leaves nothing behind, not
// even the folders made for it. Nothing is written inside `playerFolder`.
ImportedFile importFile(InMedia& item, const std::string& folder, const ExportPlace& place,
                        const std::string& playerFolder, DestinationFileSystem& fileSystem);

} // namespace korvida
