#pragma once

#include <string>

#include "copy/copy_outcome.h"

class InMedia;

namespace korvida {

struct ImportedFile {
    CopyOutcome outcome = CopyOutcome::failed;
    // Where the file now stands (copied, or found there from before: `skipped`).
    std::string path;
};

// Copies `item`'s file into `folder` (made when missing) as `fileName`, numbered when that
// name holds another file; a file of the same size and modification time already there
// counts as imported (`skipped`). The copy is the copy engine's, so a stop request ends it and a copy that is
// not whole leaves nothing behind.
ImportedFile importFile(InMedia& item, const std::string& folder, const std::string& fileName,
                        const std::string& playerFolder);

} // namespace korvida
