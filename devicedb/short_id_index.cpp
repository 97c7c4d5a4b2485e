#include "devicedb/short_id_index.h"

namespace korvida {

void ShortIdIndex::add(std::uint16_t shortId, std::uint32_t item)
{
    if (heads.empty()) {
        heads.assign(UINT16_MAX + 1, kNone);
        tails.assign(UINT16_MAX + 1, kNone);
    }
    if (following.size() <= item)
        following.resize(item + 1, kNone);
    if (heads[shortId] == kNone)
        heads[shortId] = item;
    else
        following[tails[shortId]] = item;
    tails[shortId] = item;
}

} // namespace korvida
