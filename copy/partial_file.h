#pragma once

#include <cstdint>
#include <string>

namespace korvida {

// The file a copy writes into: a hidden file of its own beside the destination, which
// receives the destination's name only when the copy is whole. A copy that fails or is
// cancelled therefore never leaves a truncated file under the final name, and the
// hidden file goes away with this object unless it was committed.
class PartialFile {
public:
    explicit PartialFile(const std::string& destination);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool isOpen() const { return fd >= 0; }
    int descriptor() const { return fd; }
    // The error number of a failed open or commit, 0 before any failure.
    int failure() const { return error; }

    // Sets aside room for `size` bytes, so that the chunks fill the file instead of
    // extending it one by one. A file system that cannot do so simply grows the file.
    void reserve(std::uint64_t size);

    // Starts writing `length` bytes from `offset` out to the disk without waiting, so that
    // the flush before the commit finds most of the file written already.
    void startWriteBack(std::uint64_t offset, std::uint64_t length);

    // Flushes the data to the disk, closes the file and moves it to the destination's name.
    // Refuses, and keeps nothing, when something already stands there: an existing file is
    // never replaced.
    bool commit();

private:
    std::string destination;
    std::string temporaryPath;
    int fd = -1;
    int error = 0;
};

// Removes the hidden file of every copy still under way, and keeps any from being made or
// given its final name from now on: for a process about to end at once, so that it leaves
// no hidden file behind (a later run would never remove it).
void removeUnfinishedCopies();

// Gives `from` the name `to` unless something already stands at `to`.
bool renameWithoutReplacing(const std::string& from, const std::string& to);

} // namespace korvida
