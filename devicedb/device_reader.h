#pragma once

#include <string>

#include "library/library.h"

namespace korvida {

// The library of a player folder: the tracks and playlists of its iTunesDB with the device
// entry first, then, when the folder holds Photos/Full Resolution, the "Photos" entry, the
// photos and the albums of its Photo Database. Media paths start with iPodPath as given.
Library readDevice(const std::string& iPodPath);

// The two steps of readDevice: the iTunesDB alone (device entry first), whether the folder
// holds photos (Photos/Full Resolution), and the Photo Database appended to a library.
Library readTunes(const std::string& iPodPath);
bool hasPhotos(const std::string& iPodPath);
void readPhotos(const std::string& iPodPath, Library& library);

// The folder is a player: it holds iPod_Control/Device/SysInfo.
bool hasSysInfo(const std::string& path);

} // namespace korvida
