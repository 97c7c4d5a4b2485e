#include "cli/export_selection.h"

#include <unordered_set>

#include "browser/search_match.h"

namespace korvida::cli {

namespace {

// The items a playlist entry stands for. A library entry has no members: "Photos" stands
// for every photo, the device entry for every tune and movie.
void addPlaylistItems(const Library& library, const PlayList& playList, std::unordered_set<const InMedia*>& chosen)
{
    if (!playList.getIsSubList()) {
        chosen.insert(playList.getMedias().begin(), playList.getMedias().end());
        return;
    }
    const bool photos = playList.getCleanListName() == "Photos";
    for (const auto& media : library.mediasVisible)
        if ((media->getMediaType() == InMedia::kPhoto) == photos)
            chosen.insert(media.get());
}

} // namespace

std::optional<std::size_t> tagChosenItems(const Library& library, const ExportChoice& choice)
{
    std::unordered_set<const InMedia*> inPlaylist;
    if (choice.playlist) {
        bool found = false;
        for (const auto& playList : library.playLists) {
            if (playList->getCleanListName() != *choice.playlist)
                continue;
            found = true;
            addPlaylistItems(library, *playList, inPlaylist);
        }
        if (!found)
            return std::nullopt;
    }
    const SearchText match(choice.match.value_or(""));

    std::size_t tagged = 0;
    for (const auto& media : library.mediasVisible) {
        const bool chosen = (choice.mediaTypes.empty() || choice.mediaTypes.contains(media->getMediaType())) &&
            (!choice.playlist || inPlaylist.contains(media.get())) && (!choice.match || searchMatches(*media, match));
        media->setTaged(chosen);
        tagged += chosen ? 1 : 0;
    }
    return tagged;
}

} // namespace korvida::cli
