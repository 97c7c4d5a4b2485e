#include "cli/device_path.h"

#include <filesystem>
#include <system_error>

namespace korvida::cli {

std::string devicePath(const std::string& argument)
{
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(argument, error);
    if (error)
        absolute = argument;
    std::string result;
    for (const auto& component : absolute.relative_path()) {
        const std::string piece = component.string();
        if (piece.empty() || piece == ".")
            continue;  // a trailing slash or a "." names the same folder
        result += "/" + piece;
    }
    return result.empty() ? absolute.root_path().string() : result;
}

}  // namespace korvida::cli
