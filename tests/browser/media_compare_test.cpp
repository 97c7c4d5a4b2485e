#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "browser/media_compare.h"
#include "browser/row_compare.h"
#include "test_library.h"

using namespace korvida;
using Names = std::vector<std::string>;

namespace {

std::vector<InMedia*> sorted(const TestLibrary& library, MediaOrder order)
{
    auto medias = library.all();
    sortMedias(medias, order);
    return medias;
}

// The comparison as described: both keys joined into texts and compared whole.
int joinedTextCompare(MediaOrder order, const InMedia& s, const InMedia& o)
{
    const auto n = [](const InMedia& m) {
        return m.getName();
    };
    const auto ar = [](const InMedia& m) {
        return m.getArtist();
    };
    const auto al = [](const InMedia& m) {
        return m.getAlbum();
    };
    const auto g = [](const InMedia& m) {
        return m.getGenere();
    };
    const auto t = [](const InMedia& m) {
        return trackNumberCharacter(m.getTuneOnCdNr());
    };
    std::string first;
    std::string second;
    switch (order) {
    case MediaOrder::NameUp:
        first = n(s) + ar(s) + al(s) + t(s) + g(s);
        second = n(o) + ar(o) + al(o) + t(o) + g(o);
        break;
    case MediaOrder::NameDown:
        first = n(o) + ar(o) + al(o) + t(s) + g(s);
        second = n(s) + ar(s) + al(s) + t(o) + g(o);
        break;
    case MediaOrder::ArtistUp:
        first = ar(s) + al(s) + t(s) + g(s);
        second = ar(o) + al(o) + t(o) + g(o);
        break;
    case MediaOrder::ArtistDown:
        first = ar(o) + al(o) + t(s) + g(o);
        second = ar(s) + al(s) + t(o) + g(s);
        break;
    case MediaOrder::AlbumtUp:
        first = al(s) + ar(s) + t(s);
        second = al(o) + ar(o) + t(o);
        break;
    case MediaOrder::AlbumtDown:
        first = al(o) + ar(o) + t(s);
        second = al(s) + ar(s) + t(o);
        break;
    case MediaOrder::GenreUp:
        first = g(s) + ar(s) + al(s) + t(s);
        second = g(o) + ar(o) + al(o) + t(o);
        break;
    case MediaOrder::GenreDown:
        first = g(o) + ar(o) + al(o) + t(s);
        second = g(s) + ar(s) + al(s) + t(o);
        break;
    case MediaOrder::TuneOnCdNrUp:
        first = ar(s) + al(s) + t(s);
        second = ar(o) + al(o) + t(o);
        break;
    case MediaOrder::TuneOnCdNrDown:
        first = ar(o) + al(o) + t(o);
        second = ar(s) + al(s) + t(s);
        break;
    }
    return compareStrings(first, second);
}

constexpr MediaOrder kAllOrders[] = {
    MediaOrder::NameUp,       MediaOrder::NameDown,       MediaOrder::ArtistUp, MediaOrder::ArtistDown,
    MediaOrder::AlbumtUp,     MediaOrder::AlbumtDown,     MediaOrder::GenreUp,  MediaOrder::GenreDown,
    MediaOrder::TuneOnCdNrUp, MediaOrder::TuneOnCdNrDown,
};

} // namespace

TEST(MediaCompare, PieceWiseComparisonEqualsComparingTheJoinedTexts)
{
    // Short texts from a tiny alphabet make prefixes, ties and crosswise cases common.
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"", "A", "AB", "B", "BC", "a", "\xC3\xA9", "All"};
    TestLibrary library;
    for (int i = 0; i < 60; ++i) {
        auto pick = [&] {
            return pieces[random() % pieces.size()] + pieces[random() % pieces.size()];
        };
        InMedia& media = library.add(pick(), pick(), pick(), pick(), static_cast<int>(random() % 6) * 60 - 30);
        media.setIsPlaying(random() % 5 == 0);
    }
    for (MediaOrder order : kAllOrders)
        for (const auto& s : library.items)
            for (const auto& o : library.items)
                ASSERT_EQ(compareMedia(order, *s, *o), joinedTextCompare(order, *s, *o))
                    << static_cast<int>(order) << " " << s->getName() << "|" << o->getName();
}

TEST(MediaCompare, SortingGivesTheStableOrderOfTheJoinedTexts)
{
    // Pieces that are beginnings of one another make leads that are beginnings of one
    // another, where the crosswise parts take part in the order; a long piece makes keys
    // that agree beyond their first few dozen bytes.
    std::mt19937 random(11);
    const std::vector<std::string> pieces = {"", "A", "AB", "B", "b", "Z", "The Longest Common Beginning Of All "};
    for (int round = 0; round < 40; ++round) {
        TestLibrary library;
        for (int i = 0; i < 30; ++i) {
            auto pick = [&] {
                return pieces[random() % pieces.size()] + pieces[random() % pieces.size()];
            };
            // Track characters 'A', 'B' and 'Z' meet the letters of a longer lead.
            const int tracks[] = {1, 2, 'A', 'B', 'Z', 'b'};
            library.add(pick(), pick(), pick(), "G" + pieces[random() % pieces.size()], tracks[random() % 6]);
        }
        for (MediaOrder order : kAllOrders) {
            auto expected = library.all();
            std::stable_sort(expected.begin(), expected.end(), [order](const InMedia* a, const InMedia* b) {
                return joinedTextCompare(order, *a, *b) < 0;
            });
            auto medias = library.all();
            sortMedias(medias, order);
            ASSERT_EQ(medias, expected) << "round " << round << " order " << static_cast<int>(order);
        }
    }
}

TEST(MediaCompare, TracksOfOneAlbumStayAscendingWhereTheTrackIsCrosswise)
{
    TestLibrary library;
    library.add("ten", "Band", "Record", "Rock", 10);
    library.add("two", "Band", "Record", "Rock", 2);
    library.add("five", "Band", "Record", "Rock", 5);
    for (MediaOrder order : {MediaOrder::ArtistUp, MediaOrder::ArtistDown, MediaOrder::AlbumtUp, MediaOrder::AlbumtDown,
                             MediaOrder::GenreUp, MediaOrder::GenreDown, MediaOrder::TuneOnCdNrUp})
        EXPECT_EQ(namesOf(sorted(library, order)), (Names{"two", "five", "ten"})) << static_cast<int>(order);
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::TuneOnCdNrDown)), (Names{"ten", "five", "two"}));
}

TEST(MediaCompare, DownOrdersReverseTheTextFields)
{
    TestLibrary library;
    library.add("b1", "B", "X", "Pop", 1);
    library.add("a2", "A", "Y", "Jazz", 2);
    library.add("a1", "A", "Y", "Jazz", 1);
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::ArtistDown)), (Names{"b1", "a1", "a2"}));
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::AlbumtDown)), (Names{"a1", "a2", "b1"}));
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::GenreDown)), (Names{"b1", "a1", "a2"}));
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::NameDown)), (Names{"b1", "a2", "a1"}));
}

TEST(MediaCompare, KeysAreJoinedWithoutSeparators)
{
    TestLibrary library;
    InMedia& first = library.add("x", "AB", "C", "Pop", 3);
    InMedia& second = library.add("x", "A", "BC", "Pop", 2);
    // Artist and album join to "ABC" in both, so the track number decides.
    EXPECT_EQ(compareArtistUp(first, second), 1);
    EXPECT_EQ(compareTuneOnCdNrUp(first, second), 1);
    EXPECT_EQ(compareGenreUp(first, second), 1);
}

TEST(MediaCompare, NamesSortByDisplayedNameInPlainCharacterOrder)
{
    TestLibrary library;
    library.add("abba", "", "", "");
    library.add("Zed", "", "", "");
    library.add("Apple", "", "", "").setIsPlaying(true);
    library.add("Cat", "", "", "").setName("BROKEN !! Cat");
    // Upper case before lower case; the state prefix is part of the sorted name.
    EXPECT_EQ(namesOf(sorted(library, MediaOrder::NameUp)), (Names{"BROKEN !! Cat", "Apple", "Zed", "abba"}));
    EXPECT_EQ(compareNameUp(*library.items[1], *library.items[0]), -1);
}

TEST(MediaCompare, TrackNumbersOrderNumericallyUpTo255AndZeroAddsNothing)
{
    EXPECT_EQ(trackNumberCharacter(0), "");
    EXPECT_EQ(trackNumberCharacter(256), "");
    EXPECT_EQ(trackNumberCharacter(65), "A");
    EXPECT_EQ(trackNumberCharacter(233), "\xC3\xA9");
    EXPECT_EQ(trackNumberCharacter(-1), "\xC3\xBF");
    for (int track = 1; track < 255; ++track)
        EXPECT_LT(compareStrings(trackNumberCharacter(track), trackNumberCharacter(track + 1)), 0) << track;
}

TEST(RowCompare, PlainCaseSensitiveOrderInBothDirections)
{
    EXPECT_EQ(compareGenreUp(Genere("Rock"), Genere("rap")), -1);
    EXPECT_EQ(compareGenreDown(Genere("Rock"), Genere("rap")), 1);
    EXPECT_EQ(compareArtistUp(Artist("B"), Artist("B")), 0);
    EXPECT_EQ(compareAlbumtUp(Album("9"), Album("All")), -1);
    EXPECT_EQ(compareAlbumtDown(Album("\xC3\xA9"), Album("z")), -1);
}
