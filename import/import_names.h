#pragma once

#include <cstdint>
#include <string>

// Names of the files an import writes.
namespace korvida {

// A field made fit to be one component of an import's file names: the export's rules
// (no "/", no empty, "." or ".." component), and a line break becomes a space, since
// every name also stands as one line of a playlist file.
std::string importComponent(const std::string& field);

// Every line feed or carriage return of `text` becomes a space.
std::string lineBreaksToSpaces(std::string text);

// Where a file of `size` bytes named `fileName` goes in `folder`: the name itself when
// free, otherwise "stem (2).ext", "stem (3).ext", ... The first candidate that holds a
// regular file of the same size counts as this very file imported before.
struct ImportTarget {
    std::string path;
    bool alreadyThere = false;
};
ImportTarget numberedImportTarget(const std::string& folder, const std::string& fileName, std::uint64_t size);

} // namespace korvida
