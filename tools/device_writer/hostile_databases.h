#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "tools/device_writer/device_writer.h"

// Damaged databases that cost a careless reader far more than their size: texts that run on
// across thousands of records, albums whose items match every photo again and again. Each
// is about `size` bytes long, made of one block repeated.
namespace korvida::devicewriter::hostile {

// iTunesDB: 26-byte blocks, each a location pattern together with the block after it.
Bytes chainedLocations(std::size_t size);
// iTunesDB: the UTF-16LE text ":iPod_Control:Music:" over and over.
Bytes repeatedMusicFolder(std::size_t size);
// iTunesDB: nothing but track header tags.
Bytes trackHeadersOnly(std::size_t size);
// iTunesDB: one track of short ID 0x6D4C, then a playlist whose items are "mhip" tags of
// the item length packed every five bytes, so that each item reads the next tags' "Lm" as
// the track's ID.
Bytes packedPlaylistItems(std::size_t size);

// Photo Database: 32-byte blocks whose even bytes spell ":Full Resolution", each a photo
// whose place runs into the blocks after it.
Bytes chainedPlaces(std::size_t size);
// Photo Database: one image name record of the longest name kept (499 bytes), which every
// later photo takes, then full-resolution places in a row.
Bytes longNameManyPlaces(std::size_t size);
// Photo Database: photos without image headers (short ID 0), then one album with as many
// items, all of ID 0.
Bytes headerlessPhotosOneAlbum(std::size_t size);
// Photo Database: photos of short ID 0x686D, then one album whose items are "mhia" tags
// packed every four bytes, so that each item reads the next tags' "mh" as its ID.
Bytes packedAlbumItems(std::size_t size);
// Photo Database: a few photos of ID 0, then album after album, each naming ID 0.
Bytes repeatedAlbums(std::size_t size);

// The generators by name, for the benchmark and the command-line maker.
struct Kind {
    const char* name;
    const char* database; // "iTunesDB" or "Photo Database"
    Bytes (*make)(std::size_t size);
};
const std::vector<Kind>& kinds();

// A player folder at root whose only database is one of the kind, of about `size` bytes.
bool writeDevice(const std::filesystem::path& root, const Kind& kind, std::size_t size);

} // namespace korvida::devicewriter::hostile
