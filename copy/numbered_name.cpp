#include "copy/numbered_name.h"

#include <cstdlib>
#include <sys/stat.h>

#include "copy/export_naming.h"

namespace korvida {

namespace {

// Far more same-named files than any folder holds; past it the last name is returned and
// the copy's rename, which never replaces, fails on it.
constexpr int kLastNumber = 10000;

// FAT keeps modification times in steps of two seconds.
constexpr std::int64_t kTimeWindowNanoseconds = 2'000'000'000;

std::int64_t nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

std::string numberedName(const std::string& fileName, int number)
{
    if (number <= 1)
        return fileName;
    const auto [stem, extension] = splitExtension(fileName);
    return fitComponent(stem, " (" + std::to_string(number) + ")" + extension);
}

bool sameStamp(const FileStamp& found, const FileStamp& source)
{
    return found.size == source.size &&
        std::llabs(nanoseconds(found.modified) - nanoseconds(source.modified)) < kTimeWindowNanoseconds;
}

NumberedPlace findNumberedPlace(const std::string& folder, const std::string& fileName, const FileStamp& source)
{
    std::string path;
    for (int number = 1; number <= kLastNumber; ++number) {
        path = joinPath(folder, numberedName(fileName, number));
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            // Nothing there; a name that cannot be looked at is tried by the copy, which says why.
            return {path, false};
        }
        const FileStamp found{static_cast<std::uint64_t>(status.st_size), status.st_mtim};
        if (S_ISREG(status.st_mode) && sameStamp(found, source))
            return {path, true};
    }
    return {path, false};
}

} // namespace korvida
