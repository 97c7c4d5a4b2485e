#include "browser/tag_count.h"

#include "library/in_media.h"

namespace korvida {
namespace {

std::string countText(int count, const char* noun)
{
    return count > 0 ? std::to_string(count) + " " + noun : std::string();
}

} // namespace

std::string tagCountText(std::span<const std::unique_ptr<InMedia>> library)
{
    int tunes = 0;
    int movies = 0;
    int photos = 0;
    for (const auto& media : library) {
        if (!media || !media->getTaged())
            continue;
        switch (media->getMediaType()) {
        case InMedia::kMusic: ++tunes; break;
        case InMedia::kMovie: ++movies; break;
        case InMedia::kPhoto: ++photos; break;
        default: break;
        }
    }
    if (tunes == 0 && movies == 0 && photos == 0)
        return {};
    return countText(tunes, "tunes") + "  " + countText(movies, "movies") + "  " + countText(photos, "photos") +
        "  TagGed";
}

} // namespace korvida
