#include "devicedb/device_reader.h"

#include <filesystem>

#include "devicedb/database_file.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"

namespace korvida {

namespace {

void note(const std::string& path, std::error_code error, DatabaseProblems* problems)
{
    if (error && problems)
        problems->push_back({path, error});
}

DatabaseBytes readDatabase(const std::string& path, DatabaseProblems* problems)
{
    std::error_code error;
    DatabaseBytes bytes = readWholeFile(path, error);
    note(path, error, problems);
    return bytes;
}

} // namespace

std::string describe(const DatabaseProblem& problem)
{
    return (problem.readInPart() ? "was read in part: " : "was not read: ") + problem.error.message();
}

Library readTunes(const std::string& iPodPath, DatabaseProblems* problems)
{
    Library library;
    const std::string path = iPodPath + "/iPod_Control/iTunes/iTunesDB";
    const DatabaseBytes database = readDatabase(path, problems);
    note(path, readITunesDB(database, iPodPath, library, [&database](std::size_t p) { database.scanReached(p); }),
         problems);
    return library;
}

bool hasPhotos(const std::string& iPodPath)
{
    std::error_code error;
    return std::filesystem::exists(iPodPath + "/Photos/Full Resolution", error);
}

void readPhotos(const std::string& iPodPath, Library& library, DatabaseProblems* problems)
{
    const std::string path = iPodPath + "/Photos/Photo Database";
    const DatabaseBytes database = readDatabase(path, problems);
    note(path, readPhotoDatabase(database, iPodPath, library, [&database](std::size_t p) { database.scanReached(p); }),
         problems);
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
