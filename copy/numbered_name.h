#pragma once

#include <cstdint>
#include <string>

namespace korvida {

// "NAME.ext" as the `number`-th file of that name: the name itself for 1, "NAME (2).ext",
// "NAME (3).ext" and so on after it, the name cut where needed so that the number and the
// extension fit in one path component.
std::string numberedName(const std::string& fileName, int number);

// Where a file of `size` bytes called `fileName` goes in `folder`, so that two different
// files of one name both arrive and a second run copies nothing: the first numbered name
// with nothing there, unless a regular file of the same size comes first, which is taken to
// be this file copied before (`alreadyThere`).
struct NumberedPlace {
    std::string path;
    bool alreadyThere = false;
};
NumberedPlace findNumberedPlace(const std::string& folder, const std::string& fileName, std::uint64_t size);

} // namespace korvida
