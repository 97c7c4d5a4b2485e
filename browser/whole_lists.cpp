#include "browser/whole_lists.h"

#include <algorithm>

#include "browser/column_rows.h"
#include "browser/column_stages.h"
#include "browser/search_match.h"

namespace korvida {

namespace {

bool sameItems(const std::vector<InMedia*>& kept, std::span<InMedia* const> items)
{
    return std::equal(kept.begin(), kept.end(), items.begin(), items.end());
}

} // namespace

const WholeLists::Browsed& WholeLists::browsed(std::span<InMedia* const> items)
{
    for (const Browsed& lists : built)
        if (sameItems(lists.items, items))
            return lists;
    Browsed lists;
    lists.items.assign(items.begin(), items.end());
    lists.generes = buildColumnRows<Genere>(items, [](const InMedia&) { return true; });
    lists.artists = artistRowsFor(items, 0, kAllRow);
    lists.albums = albumRowsFor(items, 0, kAllRow, 0, kAllRow);
    lists.medias = mediasForChoice(items, kAllRow, kAllRow, kAllRow);
    built.push_back(std::move(lists));
    return built.back();
}

const std::vector<InMedia*>& WholeLists::searchedForNothing(std::span<InMedia* const> source)
{
    if (!searched || !sameItems(searchSource, source)) {
        searchSource.assign(source.begin(), source.end());
        searchOrder = searchResult(source, "");
        searched = true;
    }
    return searchOrder;
}

void WholeLists::forget()
{
    built.clear();
    searchSource.clear();
    searchOrder.clear();
    searched = false;
}

} // namespace korvida
