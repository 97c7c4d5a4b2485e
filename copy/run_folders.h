#pragma once

#include <memory>
#include <span>
#include <string>

#include "copy/destination_file_system.h"

class InMedia;

namespace korvida {

// Where one copy run puts tunes and movies and where it puts pictures.
struct RunFolders {
    std::string musicMovies;
    std::string photos;
};

// With tunes or movies and pictures both tagged, they go into "Music:Movies" and "Photos"
// inside the chosen folder (both created, a failure ignored; "Music_Movies" where the file
// system refuses the colon); otherwise straight into it.
RunFolders prepareRunFolders(std::span<const std::unique_ptr<InMedia>> items, const std::string& chosenFolder,
                             DestinationFileSystem& fileSystem = localFileSystem());

} // namespace korvida
