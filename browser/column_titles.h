#pragma once

#include <optional>
#include <span>
#include <string_view>

class InMedia;
class PlayList;

// The header titles of the artist and album columns: a photo's artist and album fields
// hold its year and month.
namespace korvida {

struct ColumnTitles {
    std::string_view artist;
    std::string_view album;

    bool operator==(const ColumnTitles&) const = default;
};

inline constexpr ColumnTitles kMusicTitles{"Artist", "Album"};
inline constexpr ColumnTitles kPhotoTitles{"Year", "Month"};

// After a browser click: photo titles when the list shown holds photos alone (the All filter
// shows tunes and photos together), music titles otherwise; an empty list keeps the titles
// as they are.
std::optional<ColumnTitles> titlesForShownMedias(std::span<InMedia* const> medias);

// A playlist shows photo titles as soon as one member is a photo.
ColumnTitles titlesForPlayList(const PlayList& playList);

} // namespace korvida
