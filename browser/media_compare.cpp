#include "browser/media_compare.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "browser/row_compare.h"
#include "library/in_media.h"
#include "library/utf8.h"

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

// An item's share of the keys of one order. `lead` joins the leading fields (for the
// orders with nothing crosswise, the whole key); `track` and `genere` are the parts that
// the Down orders take crosswise.
struct SortKey {
    std::string_view lead;
    std::string_view track;
    std::string_view genere;
};

// Where an item's key parts lie in the text they were written into.
struct KeyPlace {
    std::size_t start = 0;
    std::size_t leadSize = 0;
    std::size_t trackSize = 0;
    std::size_t genereSize = 0;
};

bool isDown(MediaOrder order)
{
    switch (order) {
    case MediaOrder::NameDown:
    case MediaOrder::ArtistDown:
    case MediaOrder::AlbumtDown:
    case MediaOrder::GenreDown:
    case MediaOrder::TuneOnCdNrDown: return true;
    default: return false;
    }
}

// The track-number character in place, without a string of its own.
struct TrackCharacter {
    char bytes[2] = {};
    std::size_t size = 0;
    std::string_view view() const { return {bytes, size}; }
};

TrackCharacter trackCharacterOf(int tuneOnCdNr)
{
    const auto code = static_cast<std::uint8_t>(tuneOnCdNr);
    TrackCharacter character;
    if (code == 0)
        return character;
    character.size = static_cast<std::size_t>(utf8::append(character.bytes, code) - character.bytes);
    return character;
}

// Appends the pieces to `text` with one growth of the text.
std::size_t appendPieces(std::string& text, Joined pieces)
{
    std::size_t total = 0;
    for (const std::string_view piece : pieces)
        total += piece.size();
    std::size_t at = text.size();
    text.resize(at + total);
    for (const std::string_view piece : pieces) {
        if (piece.empty())
            continue; // an empty view may carry no address at all
        std::memcpy(text.data() + at, piece.data(), piece.size());
        at += piece.size();
    }
    return total;
}

// Appends the item's key parts for the order to `text`.
KeyPlace appendSortKey(MediaOrder order, const InMedia& media, std::string& text)
{
    const std::string_view artist = media.getArtist();
    const std::string_view album = media.getAlbum();
    const std::string_view genere = media.getGenere();
    const TrackCharacter trackCharacter = trackCharacterOf(media.getTuneOnCdNr());
    const std::string_view track = trackCharacter.view();
    const std::string name = order == MediaOrder::NameUp || order == MediaOrder::NameDown ? media.getName() : "";
    KeyPlace place;
    place.start = text.size();
    std::string_view crosswiseTrack;
    std::string_view crosswiseGenere;
    switch (order) {
    case MediaOrder::NameUp: place.leadSize = appendPieces(text, {name, artist, album, track, genere}); break;
    case MediaOrder::NameDown:
        place.leadSize = appendPieces(text, {name, artist, album});
        crosswiseTrack = track;
        crosswiseGenere = genere;
        break;
    case MediaOrder::ArtistUp: place.leadSize = appendPieces(text, {artist, album, track, genere}); break;
    case MediaOrder::ArtistDown:
        place.leadSize = appendPieces(text, {artist, album});
        crosswiseTrack = track;
        crosswiseGenere = genere;
        break;
    case MediaOrder::AlbumtUp: place.leadSize = appendPieces(text, {album, artist, track}); break;
    case MediaOrder::AlbumtDown:
        place.leadSize = appendPieces(text, {album, artist});
        crosswiseTrack = track;
        break;
    case MediaOrder::GenreUp: place.leadSize = appendPieces(text, {genere, artist, album, track}); break;
    case MediaOrder::GenreDown:
        place.leadSize = appendPieces(text, {genere, artist, album});
        crosswiseTrack = track;
        break;
    case MediaOrder::TuneOnCdNrUp:
    case MediaOrder::TuneOnCdNrDown: place.leadSize = appendPieces(text, {artist, album, track}); break;
    }
    appendPieces(text, {crosswiseTrack, crosswiseGenere});
    place.trackSize = crosswiseTrack.size();
    place.genereSize = crosswiseGenere.size();
    return place;
}

// The key parts written at `place`, which lies inside `text`.
SortKey keyAt(std::string_view text, const KeyPlace& place)
{
    const char* start = text.data() + place.start;
    return {{start, place.leadSize},
            {start + place.leadSize, place.trackSize},
            {start + place.leadSize + place.trackSize, place.genereSize}};
}

// The keys of a list, written once into one text.
struct SortKeys {
    std::string text;
    std::vector<KeyPlace> places;

    SortKey operator[](std::size_t index) const { return keyAt(text, places[index]); }
};

int compareSortKeys(MediaOrder order, const SortKey& s, const SortKey& o)
{
    switch (order) {
    case MediaOrder::NameDown: return compareJoined({o.lead, s.track, s.genere}, {s.lead, o.track, o.genere});
    case MediaOrder::ArtistDown: return compareJoined({o.lead, s.track, o.genere}, {s.lead, o.track, s.genere});
    case MediaOrder::AlbumtDown:
    case MediaOrder::GenreDown: return compareJoined({o.lead, s.track}, {s.lead, o.track});
    case MediaOrder::TuneOnCdNrDown: return compareStrings(o.lead, s.lead);
    case MediaOrder::NameUp:
    case MediaOrder::ArtistUp:
    case MediaOrder::AlbumtUp:
    case MediaOrder::GenreUp:
    case MediaOrder::TuneOnCdNrUp: break;
    }
    return compareStrings(s.lead, o.lead);
}

// Eight bytes of a lead from `from` on as one big-endian number, zero-filled: heads
// compare like the bytes they hold.
std::uint64_t headOf(std::string_view lead, std::size_t from)
{
    std::uint64_t head = 0;
    if (from < lead.size())
        std::memcpy(&head, lead.data() + from, std::min<std::size_t>(8, lead.size() - from));
    if constexpr (std::endian::native == std::endian::little)
        head = __builtin_bswap64(head);
    return head;
}

// What a sort moves around: the first bytes of the lead and the position of the item and
// its key parts. Twenty-four bytes hold an artist and an album name in most libraries.
constexpr std::size_t kHeadWords = 3;

constexpr std::size_t kHeadBytes = kHeadWords * 8;

struct SortEntry {
    std::uint64_t head[kHeadWords];
    std::uint32_t index;
    std::uint32_t leadSize; // at most kHeadBytes + 1: only whether the head holds it all counts
};

bool hasCrosswiseParts(MediaOrder order)
{
    return isDown(order) && order != MediaOrder::TuneOnCdNrDown;
}

// Sorts [begin, end) stably by `before`, which sees the entries' key parts.
template <class Before>
void sortRange(std::vector<SortEntry>::iterator begin, std::vector<SortEntry>::iterator end, Before before)
{
    if (end - begin > 1)
        std::stable_sort(begin, end, before);
}

// Calls `act` on every run of neighbouring entries that `same` holds together.
template <class Same, class Act>
void forEachRun(std::vector<SortEntry>& entries, Same same, Act act)
{
    auto begin = entries.begin();
    while (begin != entries.end()) {
        auto end = begin + 1;
        while (end != entries.end() && same(*begin, *end))
            ++end;
        act(begin, end);
        begin = end;
    }
}

// The sort in three steps, each on integers or on short runs: by the leads' first bytes,
// then runs that tie there by their whole leads, then runs of equal leads by the whole
// comparison. Every key begins with a lead (the receiver's in the Up orders, the
// argument's in the Down ones), so unless one lead is a proper beginning of another, two
// different leads decide a comparison by themselves and the result is the one the
// comparator gives. Answers false when such a lead makes the crosswise parts matter.
bool sortByLeads(std::vector<SortEntry>& entries, MediaOrder order, const SortKeys& keys)
{
    const bool down = isDown(order);
    const auto leadOf = [&](const SortEntry& entry) {
        return keys[entry.index].lead;
    };
    // Equal heads of leads that fit in them mean equal leads, or a shorter lead followed
    // by zero bytes in the longer one, which then comes after it.
    std::sort(entries.begin(), entries.end(), [down](const SortEntry& a, const SortEntry& b) {
        for (std::size_t word = 0; word < kHeadWords; ++word)
            if (a.head[word] != b.head[word])
                return down ? b.head[word] < a.head[word] : a.head[word] < b.head[word];
        if (a.leadSize != b.leadSize)
            return down ? b.leadSize < a.leadSize : a.leadSize < b.leadSize;
        return a.index < b.index;
    });

    const auto sameHead = [](const SortEntry& a, const SortEntry& b) {
        return std::equal(std::begin(a.head), std::end(a.head), std::begin(b.head));
    };
    const auto beyondHead = [](const SortEntry& entry) {
        return entry.leadSize > kHeadBytes;
    };
    forEachRun(entries, sameHead, [&](auto begin, auto end) {
        if (std::none_of(begin, end, beyondHead))
            return;
        sortRange(begin, end, [&](const SortEntry& a, const SortEntry& b) {
            const int result = compareStrings(leadOf(a), leadOf(b));
            return down ? result > 0 : result < 0;
        });
    });

    if (!hasCrosswiseParts(order))
        return true; // the lead is the whole key
    // Equal leads begin both joined keys alike, so only the crosswise parts are compared.
    const auto sameLead = [&](const SortEntry& a, const SortEntry& b) {
        return sameHead(a, b) && a.leadSize == b.leadSize && (!beyondHead(a) || leadOf(a) == leadOf(b));
    };
    const auto tailOf = [&](const SortEntry& entry) {
        return SortKey{{}, keys[entry.index].track, keys[entry.index].genere};
    };
    forEachRun(entries, sameLead, [&](auto begin, auto end) {
        sortRange(begin, end, [&](const SortEntry& a, const SortEntry& b) {
            return compareSortKeys(order, tailOf(a), tailOf(b)) < 0;
        });
    });
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const std::string_view previous = leadOf(entries[i - 1]);
        const std::string_view next = leadOf(entries[i]);
        if (previous != next && (previous.starts_with(next) || next.starts_with(previous)))
            return false;
    }
    return true;
}

} // namespace

std::string trackNumberCharacter(int tuneOnCdNr)
{
    return std::string(trackCharacterOf(tuneOnCdNr).view());
}

int compareMedia(MediaOrder order, const InMedia& self, const InMedia& other)
{
    std::string text;
    const KeyPlace selfPlace = appendSortKey(order, self, text);
    const KeyPlace otherPlace = appendSortKey(order, other, text);
    return compareSortKeys(order, keyAt(text, selfPlace), keyAt(text, otherPlace));
}

int compareNameUp(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::NameUp, self, other);
}
int compareNameDown(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::NameDown, self, other);
}
int compareArtistUp(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::ArtistUp, self, other);
}
int compareArtistDown(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::ArtistDown, self, other);
}
int compareAlbumtUp(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::AlbumtUp, self, other);
}
int compareAlbumtDown(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::AlbumtDown, self, other);
}
int compareGenreUp(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::GenreUp, self, other);
}
int compareGenreDown(const InMedia& self, const InMedia& other)
{
    return compareMedia(MediaOrder::GenreDown, self, other);
}
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
    // Every key goes into one text, so the comparisons read memory that lies together.
    SortKeys keys;
    keys.text.reserve(medias.size() * 32);
    keys.places.reserve(medias.size());
    for (const InMedia* media : medias)
        keys.places.push_back(appendSortKey(order, *media, keys.text));

    std::vector<SortEntry> entries;
    entries.reserve(medias.size());
    for (std::size_t i = 0; i < medias.size(); ++i) {
        const std::string_view lead = keys[i].lead;
        SortEntry entry{
            {}, static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(std::min(lead.size(), kHeadBytes + 1))};
        for (std::size_t word = 0; word < kHeadWords; ++word)
            entry.head[word] = headOf(lead, word * 8);
        entries.push_back(entry);
    }

    if (!sortByLeads(entries, order, keys)) {
        // A merge sort of the list as it came, with the whole comparison: the crosswise
        // keys need not form a strict weak order, and a merge stays within the list
        // whatever the comparison answers.
        std::sort(entries.begin(), entries.end(),
                  [](const SortEntry& a, const SortEntry& b) { return a.index < b.index; });
        std::stable_sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
            return compareSortKeys(order, keys[a.index], keys[b.index]) < 0;
        });
    }

    std::vector<InMedia*> sorted;
    sorted.reserve(medias.size());
    for (const SortEntry& entry : entries)
        sorted.push_back(medias[entry.index]);
    medias = std::move(sorted);
}

} // namespace korvida
