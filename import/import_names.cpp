#include "import/import_names.h"

#include <filesystem>

#include "copy/export_naming.h"

namespace korvida {

namespace {

// Numbers tried before giving up; the last candidate's copy then refuses to replace.
constexpr int kLastNumber = 9999;

std::string numberedName(const std::string& fileName, int number)
{
    if (number < 2)
        return fileName;
    // A leading dot belongs to the name, not to an extension.
    const auto dot = fileName.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? fileName.substr(0, dot) : fileName;
    const std::string extension = hasExtension ? fileName.substr(dot) : "";
    return stem + " (" + std::to_string(number) + ")" + extension;
}

} // namespace

std::string lineBreaksToSpaces(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

std::string importComponent(const std::string& field)
{
    return lineBreaksToSpaces(exportComponent(field));
}

ImportTarget numberedImportTarget(const std::string& folder, const std::string& fileName, std::uint64_t size)
{
    std::string candidate;
    for (int number = 1; number <= kLastNumber; ++number) {
        candidate = joinPath(folder, numberedName(fileName, number));
        std::error_code error;
        const auto status = std::filesystem::symlink_status(candidate, error);
        if (!std::filesystem::exists(status))
            return {candidate, false};
        if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(candidate, error) == size && !error)
            return {candidate, true};
    }
    return {candidate, false};
}

} // namespace korvida
