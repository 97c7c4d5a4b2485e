#include "devicedb/tag_finder.h"

#include <cstring>

namespace korvida {

std::size_t nextByte(ByteView data, std::size_t from, std::uint8_t byte)
{
    if (from >= data.size())
        return data.size();
    const void* found = std::memchr(data.data() + from, byte, data.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data.data()) : data.size();
}

std::size_t TagFinder::nextFrom(std::size_t from)
{
    if (from >= lastFrom && from <= lastFound)
        return lastFound;
    std::size_t position = nextByte(data, from, lead);
    while (position < data.size() && !match(data, position))
        position = nextByte(data, position + 1, lead);
    lastFrom = from;
    lastFound = position;
    return position;
}

} // namespace korvida
