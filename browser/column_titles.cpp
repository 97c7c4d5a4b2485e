#include "browser/column_titles.h"

#include <algorithm>

#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {
namespace {

bool isPhoto(const InMedia* media)
{
    return media->getMediaType() == InMedia::kPhoto;
}

} // namespace

std::optional<ColumnTitles> titlesForShownMedias(std::span<InMedia* const> medias)
{
    if (medias.empty())
        return std::nullopt;
    return std::all_of(medias.begin(), medias.end(), isPhoto) ? kPhotoTitles : kMusicTitles;
}

ColumnTitles titlesForPlayList(const PlayList& playList)
{
    const auto& members = playList.getMedias();
    return std::any_of(members.begin(), members.end(), isPhoto) ? kPhotoTitles : kMusicTitles;
}

} // namespace korvida
