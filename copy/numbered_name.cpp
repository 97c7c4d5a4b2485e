#include "copy/numbered_name.h"

#include <filesystem>

#include "copy/export_naming.h"

namespace korvida {

namespace {

// Far more same-named files than any folder holds; past it the last name is returned and
// the copy's rename, which never replaces, fails on it.
constexpr int kLastNumber = 10000;

} // namespace

std::string numberedName(const std::string& fileName, int number)
{
    if (number <= 1)
        return fileName;
    const auto [stem, extension] = splitExtension(fileName);
    return fitComponent(stem, " (" + std::to_string(number) + ")" + extension);
}

NumberedPlace findNumberedPlace(const std::string& folder, const std::string& fileName, std::uint64_t size)
{
    std::string path;
    for (int number = 1; number <= kLastNumber; ++number) {
        path = joinPath(folder, numberedName(fileName, number));
        std::error_code error;
        const auto status = std::filesystem::symlink_status(path, error);
        if (!std::filesystem::exists(status))
            return {path, false};
        if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(path, error) == size && !error)
            return {path, true};
    }
    return {path, false};
}

} // namespace korvida
