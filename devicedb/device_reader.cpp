#include "devicedb/device_reader.h"

#include <filesystem>

#include "devicedb/artwork_reader.h"
#include "devicedb/database_file.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"

namespace korvida {

namespace {

using DatabaseReader = std::error_code (*)(ByteView, const std::string&, Library&, const ScanProgress&);

// Reads the database file at `path` into the library with `read`, and notes in `problems`
// what kept it from being read whole.
void readDatabase(const std::string& path, DatabaseReader read, const std::string& iPodPath, Library& library,
                  DatabaseProblems* problems)
{
    std::error_code error;
    const DatabaseBytes database = readWholeFile(path, error);
    const std::error_code readError = read(database, iPodPath, library,
                                           [&database](std::size_t p) { database.scanReached(p); });
    if (!error)
        error = database.fileWasCutShort() ? make_error_code(DatabaseReadError::cutShort) : readError;
    if (error && problems)
        problems->push_back({path, error});
}

} // namespace

std::string describe(const DatabaseProblem& problem)
{
    return (problem.readInPart() ? "was read in part: " : "was not read: ") + problem.error.message();
}

Library readTunes(const std::string& iPodPath, DatabaseProblems* problems)
{
    Library library;
    readDatabase(iPodPath + "/iPod_Control/iTunes/iTunesDB", readITunesDB, iPodPath, library, problems);
    // Most players keep their tunes' covers only here; a player without one has none.
    std::error_code error;
    if (std::filesystem::exists(iPodPath + "/iPod_Control/Artwork/ArtworkDB", error))
        readDatabase(iPodPath + "/iPod_Control/Artwork/ArtworkDB", readArtworkDB, iPodPath, library, problems);
    return library;
}

bool hasPhotos(const std::string& iPodPath)
{
    // Most players keep their photos only as thumbnails, with no full-resolution folder.
    std::error_code error;
    return std::filesystem::exists(iPodPath + "/Photos/Full Resolution", error) ||
        std::filesystem::exists(iPodPath + "/Photos/Thumbs", error);
}

void readPhotos(const std::string& iPodPath, Library& library, DatabaseProblems* problems)
{
    readDatabase(iPodPath + "/Photos/Photo Database", readPhotoDatabase, iPodPath, library, problems);
}

Library readDevice(const std::string& iPodPath, DatabaseProblems* problems)
{
    Library library = readTunes(iPodPath, problems);
    if (hasPhotos(iPodPath))
        readPhotos(iPodPath, library, problems);
    return library;
}

bool hasSysInfo(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path + "/iPod_Control/Device/SysInfo", error);
}

} // namespace korvida
