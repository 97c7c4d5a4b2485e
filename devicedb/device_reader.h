#pragma once

#include <string>

#include "library/library.h"

namespace korvida {

// The library of a player folder: the tracks and playlists of its iTunesDB with the device
// entry first, then, when the folder holds Photos/Full Resolution, the "Photos" entry, the
// photos and the albums of its Photo Database. Media paths start with iPodPath as given.
Library readDevice(const std::string& iPodPath);

// The folder is a player: it holds iPod_Control/Device/SysInfo.
bool hasSysInfo(const std::string& path);

} // namespace korvida
