#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "devicedb/database_read_error.h"
#include "library/library.h"

namespace korvida {

// A database that is present but was not read (a folder, a FIFO, too large, unreadable),
// which the read takes for a missing one, or one that was read only in part (a
// DatabaseReadError).
struct DatabaseProblem {
    std::string path;
    std::error_code error;

    bool readInPart() const { return error.category() == databaseReadCategory(); }
};
using DatabaseProblems = std::vector<DatabaseProblem>;

// What happened to the database, to follow its name: "was not read: REASON" or "was read in
// part: REASON".
std::string describe(const DatabaseProblem& problem);

// The library of a player folder: the tracks and playlists of its iTunesDB with the device
// entry first, their covers from the artwork database, then, when the folder holds
// Photos/Full Resolution or Photos/Thumbs, the "Photos" entry, the photos and the albums
// of its Photo Database. Media paths start with iPodPath as given.
// Databases that were there but could not be read whole are added to `problems` when it
// is given.
Library readDevice(const std::string& iPodPath, DatabaseProblems* problems = nullptr);

// The two steps of readDevice: the iTunesDB with the covers (device entry first), whether
// the folder holds photos (Photos/Full Resolution or Photos/Thumbs), and the Photo Database appended to a library.
Library readTunes(const std::string& iPodPath, DatabaseProblems* problems = nullptr);
bool hasPhotos(const std::string& iPodPath);
void readPhotos(const std::string& iPodPath, Library& library, DatabaseProblems* problems = nullptr);

// The folder is a player: it holds iPod_Control/Device/SysInfo.
bool hasSysInfo(const std::string& path);

} // namespace korvida
