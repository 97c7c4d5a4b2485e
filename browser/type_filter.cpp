#include "browser/type_filter.h"

#include "library/in_media.h"

namespace korvida {

bool passesTypeFilter(const InMedia& media, TypeFilter filter)
{
    const int type = media.getMediaType();
    switch (filter) {
    case TypeFilter::Movies: return type == InMedia::kMovie;
    case TypeFilter::Music: return type == InMedia::kMusic;
    case TypeFilter::Pictures: return type == InMedia::kPhoto;
    case TypeFilter::MusicAndMovies: return type == InMedia::kMusic || type == InMedia::kMovie;
    case TypeFilter::All: return true;
    }
    return false;
}

std::vector<InMedia*> mediasOfType(std::span<const std::unique_ptr<InMedia>> library, TypeFilter filter)
{
    std::vector<InMedia*> kept;
    for (const auto& media : library)
        if (media && passesTypeFilter(*media, filter))
            kept.push_back(media.get());
    return kept;
}

} // namespace korvida
