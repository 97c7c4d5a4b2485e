#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace korvida {

// "NAME.ext" as the `number`-th file of that name: the name itself for 1, "NAME (2).ext",
// "NAME (3).ext" and so on after it, the name cut where needed so that the number and the
// extension fit in one path component.
std::string numberedName(const std::string& fileName, int number);

// What a quick look tells of a file's content: its size and its modification time, which
// every copy carries over from its source.
struct FileStamp {
    std::uint64_t size = 0;
    timespec modified{};
};

// Whether a file with `found` is taken to be a copy of a file with `source`: the same size
// and the same modification time, to within the two seconds in which FAT keeps times.
bool sameStamp(const FileStamp& found, const FileStamp& source);

// Where a file called `fileName` with `source`'s stamp goes in `folder`, so that two
// different files of one name both arrive and a second run copies nothing: the first
// numbered name with nothing there, unless a regular file of the same stamp comes first,
// which is taken to be this file copied before (`alreadyThere`).
struct NumberedPlace {
    std::string path;
    bool alreadyThere = false;
};
NumberedPlace findNumberedPlace(const std::string& folder, const std::string& fileName, const FileStamp& source);

} // namespace korvida
