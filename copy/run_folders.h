#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "copy/destination_file_system.h"

class InMedia;

namespace korvida {

// Where one copy run puts tunes and movies and where it puts pictures.
struct RunFolders {
    std::string musicMovies;
    std::string photos;
    // The folders above that this run created; a folder that was there before is not listed.
    std::vector<std::string> made;
};

// With tunes or movies and pictures both tagged, they go into "Music:Movies" and "Photos"
// inside the chosen folder (both created, a failure ignored; "Music_Movies" where the file
// system refuses the colon); otherwise straight into it.
RunFolders prepareRunFolders(std::span<const std::unique_ptr<InMedia>> items, const std::string& chosenFolder,
                             DestinationFileSystem& fileSystem = localFileSystem());

// Removes the folders the run created that are still empty when it ends, as when every
// item meant for one of them was cancelled; a folder holding anything stays.
void removeEmptyRunFolders(const RunFolders& folders, DestinationFileSystem& fileSystem = localFileSystem());

} // namespace korvida
