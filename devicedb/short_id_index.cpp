#include "devicedb/short_id_index.h"

namespace korvida {

void ShortIdIndex::add(std::uint16_t shortId, std::uint32_t item)
{
    constexpr std::size_t kShortIds = UINT16_MAX + 1;
    if (!heads) {
        // Zero-filled in one sweep: a read of a few items pays little for the tables.
        heads = std::make_unique<std::uint32_t[]>(kShortIds);
        tails = std::make_unique<std::uint32_t[]>(kShortIds);
    }
    if (following.size() <= item)
        following.resize(item + 1);
    const std::uint32_t kept = item + 1;
    if (heads[shortId] == 0)
        heads[shortId] = kept;
    else
        following[tails[shortId] - 1] = kept;
    tails[shortId] = kept;
}

} // namespace korvida
