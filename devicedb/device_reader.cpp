#include "devicedb/device_reader.h"

#include <filesystem>

#include "devicedb/database_file.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"

namespace korvida {

namespace {

DatabaseBytes readDatabase(const std::string& path, UnreadDatabases* unread)
{
    std::error_code error;
    DatabaseBytes bytes = readWholeFile(path, error);
    if (error && unread)
        unread->push_back({path, error});
    return bytes;
}

} // namespace

Library readTunes(const std::string& iPodPath, UnreadDatabases* unread)
{
    Library library;
    const DatabaseBytes database = readDatabase(iPodPath + "/iPod_Control/iTunes/iTunesDB", unread);
    readITunesDB(database, iPodPath, library, [&database](std::size_t p) { database.releaseBefore(p); });
    return library;
}

bool hasPhotos(const std::string& iPodPath)
{
    std::error_code error;
    return std::filesystem::exists(iPodPath + "/Photos/Full Resolution", error);
}

void readPhotos(const std::string& iPodPath, Library& library, UnreadDatabases* unread)
{
    const DatabaseBytes database = readDatabase(iPodPath + "/Photos/Photo Database", unread);
    readPhotoDatabase(database, iPodPath, library, [&database](std::size_t p) { database.releaseBefore(p); });
}

Library readDevice(const std::string& iPodPath, UnreadDatabases* unread)
{
    Library library = readTunes(iPodPath, unread);
    if (hasPhotos(iPodPath))
        readPhotos(iPodPath, library, unread);
    return library;
}

bool hasSysInfo(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path + "/iPod_Control/Device/SysInfo", error);
}

} // namespace korvida
