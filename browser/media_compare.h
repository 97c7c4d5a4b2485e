#pragma once

#include <string>
#include <string_view>
#include <vector>

class InMedia;

// The comparators of media items. Each joins several fields of both items into a text
// key, with the track number put in as one character, and compares the two keys by
// plain character order: -1 when the first item comes first, 0 when the keys are the
// same, +1 when the second comes first. The Down forms except the track-number one take
// the track character crosswise, so one album's tracks stay ascending in both directions.
namespace korvida {

enum class MediaOrder {
    NameUp,
    NameDown,
    ArtistUp,
    ArtistDown,
    AlbumtUp,
    AlbumtDown,
    GenreUp,
    GenreDown,
    TuneOnCdNrUp,
    TuneOnCdNrDown,
};

// The track number reduced to its low 8 bits as one character of that code (UTF-8
// encoded), or nothing for 0.
std::string trackNumberCharacter(int tuneOnCdNr);

int compareMedia(MediaOrder order, const InMedia& self, const InMedia& other);

int compareNameUp(const InMedia& self, const InMedia& other);
int compareNameDown(const InMedia& self, const InMedia& other);
int compareArtistUp(const InMedia& self, const InMedia& other);
int compareArtistDown(const InMedia& self, const InMedia& other);
int compareAlbumtUp(const InMedia& self, const InMedia& other);
int compareAlbumtDown(const InMedia& self, const InMedia& other);
int compareGenreUp(const InMedia& self, const InMedia& other);
int compareGenreDown(const InMedia& self, const InMedia& other);
int compareTuneOnCdNrUp(const InMedia& self, const InMedia& other);
int compareTuneOnCdNrDown(const InMedia& self, const InMedia& other);

// Sorts the list in place by the order, building each item's keys once. Items whose keys
// compare as the same keep their relative order.
void sortMedias(std::vector<InMedia*>& medias, MediaOrder order);

} // namespace korvida
