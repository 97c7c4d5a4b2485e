#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "library/library.h"

namespace korvida {

// A database that is present but was not read (a folder, a FIFO, too large, unreadable):
// the read goes on as if it were missing.
struct UnreadDatabase {
    std::string path;
    std::error_code error;
};
using UnreadDatabases = std::vector<UnreadDatabase>;

// The library of a player folder: the tracks and playlists of its iTunesDB with the device
// entry first, then, when the folder holds Photos/Full Resolution, the "Photos" entry, the
// photos and the albums of its Photo Database. Media paths start with iPodPath as given.
// Databases that were there but could not be read are added to `unread` when it is given.
Library readDevice(const std::string& iPodPath, UnreadDatabases* unread = nullptr);

// The two steps of readDevice: the iTunesDB alone (device entry first), whether the folder
// holds photos (Photos/Full Resolution), and the Photo Database appended to a library.
Library readTunes(const std::string& iPodPath, UnreadDatabases* unread = nullptr);
bool hasPhotos(const std::string& iPodPath);
void readPhotos(const std::string& iPodPath, Library& library, UnreadDatabases* unread = nullptr);

// The folder is a player: it holds iPod_Control/Device/SysInfo.
bool hasSysInfo(const std::string& path);

} // namespace korvida
