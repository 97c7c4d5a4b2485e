#include "devicedb/tag_finder.h"

#include <algorithm>
#include <cstring>

namespace korvida {

std::size_t nextByte(ByteView data, std::size_t from, std::uint8_t byte)
{
    if (from >= data.size())
        return data.size();
    const void* found = std::memchr(data.data() + from, byte, data.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(found) - data.data()) : data.size();
}

namespace {

// The data up to `reach` bytes after `from`, or to its end.
ByteView upToReach(ByteView data, std::size_t from, std::size_t reach)
{
    const std::size_t left = data.size() - std::min(from, data.size());
    return data.first(reach < left ? from + reach : data.size());
}

} // namespace

std::size_t nextByteNear(ByteView data, std::size_t from, std::uint8_t byte)
{
    return nextByte(upToReach(data, from, kLookAhead), from, byte);
}

std::size_t TagFinder::nextFrom(std::size_t from)
{
    if (from >= lastFrom && from <= lastFound)
        return lastFound;
    const ByteView near = upToReach(data, from, reach);
    std::size_t position = nextByte(near, from, lead);
    while (position < near.size() && !match(data, position))
        position = nextByte(near, position + 1, lead);
    lastFrom = from;
    lastFound = position;
    return position;
}

} // namespace korvida
