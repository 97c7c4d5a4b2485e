#include "devicedb/device_reader.h"

#include <filesystem>
#include <system_error>

#include "devicedb/database_file.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"

namespace korvida {

Library readTunes(const std::string& iPodPath)
{
    Library library;
    const DatabaseBytes database = readWholeFile(iPodPath + "/iPod_Control/iTunes/iTunesDB");
    readITunesDB(database, iPodPath, library);
    return library;
}

bool hasPhotos(const std::string& iPodPath)
{
    std::error_code error;
    return std::filesystem::exists(iPodPath + "/Photos/Full Resolution", error);
}

void readPhotos(const std::string& iPodPath, Library& library)
{
    const DatabaseBytes database = readWholeFile(iPodPath + "/Photos/Photo Database");
    readPhotoDatabase(database, iPodPath, library);
}

Library readDevice(const std::string& iPodPath)
{
    Library library = readTunes(iPodPath);
    if (hasPhotos(iPodPath))
        readPhotos(iPodPath, library);
    return library;
}

bool hasSysInfo(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path + "/iPod_Control/Device/SysInfo", error);
}

} // namespace korvida
