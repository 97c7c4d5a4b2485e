#include "browser/media_compare.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "browser/row_compare.h"
#include "library/in_media.h"

namespace korvida {
namespace {

using Joined = std::initializer_list<std::string_view>;

// Compares the concatenation of the first pieces with that of the second without
// building either text.
int compareJoined(Joined first, Joined second)
{
    auto a = first.begin();
    auto b = second.begin();
    std::size_t inA = 0;
    std::size_t inB = 0;
    for (;;) {
        while (a != first.end() && inA == a->size()) {
            ++a;
            inA = 0;
        }
        while (b != second.end() && inB == b->size()) {
            ++b;
            inB = 0;
        }
        if (a == first.end() || b == second.end())
            return a == first.end() ? (b == second.end() ? 0 : -1) : 1;
        const std::size_t length = std::min(a->size() - inA, b->size() - inB);
        const int result = compareStrings(a->substr(inA, length), b->substr(inB, length));
        if (result != 0)
            return result;
        inA += length;
        inB += length;
    }
}

} // namespace

std::string trackNumberCharacter(int tuneOnCdNr)
{
    const auto code = static_cast<std::uint8_t>(tuneOnCdNr);
    if (code == 0)
        return {};
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

bool orderUsesName(MediaOrder order)
{
    return order == MediaOrder::NameUp || order == MediaOrder::NameDown;
}

MediaSortFields sortFieldsOf(const InMedia& media, bool withName)
{
    MediaSortFields fields;
    if (withName)
        fields.name = media.getName();
    fields.artist = media.getArtist();
    fields.album = media.getAlbum();
    fields.genere = media.getGenere();
    fields.track = trackNumberCharacter(media.getTuneOnCdNr());
    return fields;
}

int compareSortFields(MediaOrder order, const MediaSortFields& s, const MediaSortFields& o)
{
    switch (order) {
    case MediaOrder::NameUp:
        return compareJoined({s.name, s.artist, s.album, s.track, s.genere},
                             {o.name, o.artist, o.album, o.track, o.genere});
    case MediaOrder::NameDown:
        return compareJoined({o.name, o.artist, o.album, s.track, s.genere},
                             {s.name, s.artist, s.album, o.track, o.genere});
    case MediaOrder::ArtistUp:
        return compareJoined({s.artist, s.album, s.track, s.genere}, {o.artist, o.album, o.track, o.genere});
    case MediaOrder::ArtistDown:
        return compareJoined({o.artist, o.album, s.track, o.genere}, {s.artist, s.album, o.track, s.genere});
    case MediaOrder::AlbumtUp:
        return compareJoined({s.album, s.artist, s.track}, {o.album, o.artist, o.track});
    case MediaOrder::AlbumtDown:
        return compareJoined({o.album, o.artist, s.track}, {s.album, s.artist, o.track});
    case MediaOrder::GenreUp:
        return compareJoined({s.genere, s.artist, s.album, s.track}, {o.genere, o.artist, o.album, o.track});
    case MediaOrder::GenreDown:
        return compareJoined({o.genere, o.artist, o.album, s.track}, {s.genere, s.artist, s.album, o.track});
    case MediaOrder::TuneOnCdNrUp:
        return compareJoined({s.artist, s.album, s.track}, {o.artist, o.album, o.track});
    case MediaOrder::TuneOnCdNrDown:
        return compareJoined({o.artist, o.album, o.track}, {s.artist, s.album, s.track});
    }
    return 0;
}

int compareMedia(MediaOrder order, const InMedia& self, const InMedia& other)
{
    const bool withName = orderUsesName(order);
    return compareSortFields(order, sortFieldsOf(self, withName), sortFieldsOf(other, withName));
}

int compareNameUp(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::NameUp, self, other); }
int compareNameDown(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::NameDown, self, other); }
int compareArtistUp(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::ArtistUp, self, other); }
int compareArtistDown(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::ArtistDown, self, other); }
int compareAlbumtUp(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::AlbumtUp, self, other); }
int compareAlbumtDown(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::AlbumtDown, self, other); }
int compareGenreUp(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::GenreUp, self, other); }
int compareGenreDown(const InMedia& self, const InMedia& other) { return compareMedia(MediaOrder::GenreDown, self, other); }
int compareTuneOnCdNrUp(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::TuneOnCdNrUp, self, other);
}
int compareTuneOnCdNrDown(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::TuneOnCdNrDown, self, other);
}

void sortMedias(std::vector<InMedia*>& medias, MediaOrder order)
{
    const bool withName = orderUsesName(order);
    std::vector<MediaSortFields> fields;
    fields.reserve(medias.size());
    for (const InMedia* media : medias)
        fields.push_back(sortFieldsOf(*media, withName));

    // A merge sort: the crosswise keys need not form a strict weak order, and a merge
    // stays within the list whatever the comparator answers.
    std::vector<std::size_t> positions(medias.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = i;
    std::stable_sort(positions.begin(), positions.end(), [&](std::size_t a, std::size_t b) {
        return compareSortFields(order, fields[a], fields[b]) < 0;
    });

    std::vector<InMedia*> sorted;
    sorted.reserve(medias.size());
    for (std::size_t position : positions)
        sorted.push_back(medias[position]);
    medias = std::move(sorted);
}

} // namespace korvida
