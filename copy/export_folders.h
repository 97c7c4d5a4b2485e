#pragma once

#include <string>
#include <vector>

#include "copy/destination_file_system.h"
#include "copy/export_naming.h"

namespace korvida {

// The folder an item's file goes into, and what was done to get it.
struct ExportFolders {
    std::string folder;
    // The folders made for this item, outermost first, to be taken away again if it fails.
    std::vector<std::string> made;
    // The destination refused a name, so the file's name takes the portable form too.
    bool portable = false;
};

// Makes, level by level, every folder of `place` under `runFolder` that does not exist
// yet. A level whose name the file system refuses is made under its portable name. A
// folder that cannot be made is not reported: the copy into it then fails.
ExportFolders makeExportFolders(DestinationFileSystem& fileSystem, const std::string& runFolder,
                                const ExportPlace& place);

// The name the file gets in `folders`: the portable form when the destination refuses the
// name (or refused one of the folders), the name itself otherwise.
std::string acceptedFileName(DestinationFileSystem& fileSystem, const ExportFolders& folders,
                             const std::string& fileName);

// Removes the folders made for an item that failed or was cancelled, where they are still
// empty.
void removeMadeFolders(DestinationFileSystem& fileSystem, const ExportFolders& folders);

} // namespace korvida
