#include "app/player_folder.h"

#include <filesystem>

#include "devicedb/device_reader.h"

namespace korvida {

std::optional<std::string> whyNotAPlayer(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return "no such folder";
    if (error)
        return error.message();
    if (status.type() != std::filesystem::file_type::directory)
        return "not a folder";
    if (!hasSysInfo(path))
        return "no iPod_Control/Device/SysInfo";
    return std::nullopt;
}

} // namespace korvida
