#include "playback/byte_source.h"

#include <algorithm>
#include <cstring>

namespace korvida {

std::size_t MemoryByteSource::read(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    if (offset >= bytes.size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(buffer.size(), bytes.size() - offset);
    std::memcpy(buffer.data(), bytes.data() + offset, count);
    return count;
}

FileByteSource::FileByteSource(const std::string& path) : file(std::fopen(path.c_str(), "rb"))
{
    if (file && std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long end = std::ftell(file.get());
        length = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
}

std::size_t FileByteSource::read(std::uint64_t offset, std::span<std::uint8_t> buffer) const
{
    if (!file || offset >= length || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0)
        return 0;
    return std::fread(buffer.data(), 1, buffer.size(), file.get());
}

} // namespace korvida
