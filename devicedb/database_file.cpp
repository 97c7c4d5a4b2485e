#include "devicedb/database_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace korvida {

DatabaseBytes readWholeFile(const std::string& path)
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
    // Not zero-filled first: the read fills it, and only what was read is used.
    auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    const std::size_t read = std::fread(bytes.get(), 1, size, file.get());
    return {std::move(bytes), read};
}

} // namespace korvida
