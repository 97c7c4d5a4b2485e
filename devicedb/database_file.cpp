#include "devicedb/database_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace korvida {

std::vector<std::uint8_t> readWholeFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0)
        return {};
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return {};
    std::vector<std::uint8_t> bytes(size);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return bytes;
}

} // namespace korvida
