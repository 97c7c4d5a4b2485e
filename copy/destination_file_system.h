#pragma once

#include <string>
#include <system_error>

namespace korvida {

// The operations an export or an import makes in the destination, besides copying files.
// Drives formatted for other systems (FAT, exFAT) refuse some characters in names, and a
// drive may be full; a test stands in a file system that does so where no such drive can be
// mounted.
class DestinationFileSystem {
public:
    virtual ~DestinationFileSystem() = default;

    // Makes one folder. file_exists when something already stands there, invalid_argument
    // when the file system refuses the name.
    virtual std::error_code makeFolder(const std::string& path) = 0;
    // Removes a folder if it is empty; anything else is left as it is.
    virtual void removeEmptyFolder(const std::string& path) = 0;
    // Makes `text` the whole content of a small file, as replaceWholeFile does.
    virtual std::error_code writeWholeFile(const std::string& path, const std::string& text) = 0;
};

// The real file systems, through the system calls.
DestinationFileSystem& localFileSystem();

// The form of a name that FAT and exFAT take: each of : \ * ? " < > | becomes "_", and
// trailing dots and spaces are dropped ("_" when nothing is left).
std::string portableName(const std::string& name);

// Whether the file system of `folder` takes `name`: a folder of that name is made and
// removed again. A name already in use there is taken.
bool acceptsName(DestinationFileSystem& fileSystem, const std::string& folder, const std::string& name);

} // namespace korvida
