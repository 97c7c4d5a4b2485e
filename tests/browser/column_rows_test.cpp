#include <gtest/gtest.h>

#include "browser/column_rows.h"
#include "browser/column_stages.h"
#include "browser/type_filter.h"
#include "test_library.h"

using namespace korvida;
using Names = std::vector<std::string>;

namespace {

template <class Row>
Names texts(const std::vector<Row>& rows)
{
    Names result;
    for (const Row& row : rows)
        result.push_back(ColumnTraits<Row>::ofRow(row));
    return result;
}

std::vector<Genere> genres(const TestLibrary& library)
{
    const auto all = library.all();
    return buildColumnRows<Genere>(all, [](const InMedia&) { return true; });
}

} // namespace

TEST(ColumnRows, AllComesFirstEvenBeforeValuesThatSortBeforeIt)
{
    TestLibrary library;
    for (const char* genre : {"Rock", "A Capella", "1990s", "Ac", "Rock", "Abba"})
        library.add("t", "x", "y", genre);
    EXPECT_EQ(texts(genres(library)), (Names{"All", "1990s", "A Capella", "Abba", "Ac", "Rock"}));
}

TEST(ColumnRows, DistinctValuesAreCaseSensitive)
{
    TestLibrary library;
    library.add("1", "abba", "x", "Pop");
    library.add("2", "ABBA", "x", "Pop");
    library.add("3", "abba", "x", "Pop");
    const auto all = library.all();
    EXPECT_EQ(texts(artistRowsFor(all, 0, "All")), (Names{"All", "ABBA", "abba"}));
}

TEST(ColumnRows, EmptyLibraryGivesOnlyTheAllRow)
{
    EXPECT_EQ(texts(genres(TestLibrary{})), (Names{"All"}));
}

TEST(ColumnRows, ResortingKeepsAllFirstInBothDirectionsAndAddsItToAnEmptyList)
{
    TestLibrary library;
    for (const char* genre : {"Rock", "1990s", "Jazz"})
        library.add("t", "x", "y", genre);
    auto rows = genres(library);
    resortColumnRows(rows, true);
    EXPECT_EQ(texts(rows), (Names{"All", "Rock", "Jazz", "1990s"}));
    resortColumnRows(rows, false);
    EXPECT_EQ(texts(rows), (Names{"All", "1990s", "Jazz", "Rock"}));

    std::vector<Album> empty;
    resortColumnRows(empty, true);
    EXPECT_EQ(texts(empty), (Names{"All"}));
}

TEST(TypeFilter, KeepsTheChosenTypesInLibraryOrder)
{
    TestLibrary library;
    library.add("movie", "a", "b", "c", 0, InMedia::kMovie);
    library.add("photo", "2009", "05", "Photos", 0, InMedia::kPhoto);
    library.add("tune", "a", "b", "c", 0, InMedia::kMusic);
    library.add("odd", "a", "b", "c", 0, 7);
    EXPECT_EQ(namesOf(mediasOfType(library.items, TypeFilter::Movies)), (Names{"movie"}));
    EXPECT_EQ(namesOf(mediasOfType(library.items, TypeFilter::Music)), (Names{"tune"}));
    EXPECT_EQ(namesOf(mediasOfType(library.items, TypeFilter::Pictures)), (Names{"photo"}));
    EXPECT_EQ(namesOf(mediasOfType(library.items, TypeFilter::MusicAndMovies)), (Names{"movie", "tune"}));
    EXPECT_EQ(namesOf(mediasOfType(library.items, TypeFilter::All)), (Names{"movie", "photo", "tune", "odd"}));
}

class ColumnStages : public ::testing::Test {
protected:
    ColumnStages()
    {
        library.add("rock by x", "X", "X Rocks", "Rock");
        library.add("jazz by x", "X", "X Swings", "Jazz");
        library.add("rock by y", "Y", "Y Rocks", "Rock");
        library.add("jazz by y", "Y", "Y Swings", "Jazz");
        all = library.all();
    }

    TestLibrary library;
    std::vector<InMedia*> all;
};

TEST_F(ColumnStages, ArtistRowsFollowTheGenreRow)
{
    EXPECT_EQ(texts(artistRowsFor(all, 0, "All")), (Names{"All", "X", "Y"}));
    library.items[2]->setGenere("Blues");
    EXPECT_EQ(texts(artistRowsFor(all, 2, "Rock")), (Names{"All", "X"}));
}

TEST_F(ColumnStages, AlbumRowsUnderTheFourCombinationsOfGenreAndArtist)
{
    // A genre and artist "All"; B genre chosen, artist "All"; C both chosen; D artist only.
    EXPECT_EQ(texts(albumRowsFor(all, 0, "All", 0, "All")),
              (Names{"All", "X Rocks", "X Swings", "Y Rocks", "Y Swings"}));
    EXPECT_EQ(texts(albumRowsFor(all, 2, "Rock", 0, "All")), (Names{"All", "X Rocks", "Y Rocks"}));
    EXPECT_EQ(texts(albumRowsFor(all, 2, "Rock", 1, "X")), (Names{"All", "X Rocks"}));
    EXPECT_EQ(texts(albumRowsFor(all, 0, "All", 1, "X")), (Names{"All", "X Rocks", "X Swings"}));
}

TEST_F(ColumnStages, ARealGenreCalledAllRestrictsInTheArtistStageByItsRow)
{
    library.add("odd", "Z", "Z Album", "All");
    // Row 1 is the real genre "All" (the "All" row is put in front of it).
    EXPECT_EQ(texts(albumRowsFor(all = library.all(), 1, "All", 0, "All")), (Names{"All", "Z Album"}));
}

TEST_F(ColumnStages, MediaListMatchesAllThreeStringsOnceEach)
{
    library.add("all in all", "All", "All", "All", 1);
    all = library.all();
    EXPECT_EQ(namesOf(mediasForChoice(all, "All", "All", "All")),
              (Names{"all in all", "rock by x", "jazz by x", "rock by y", "jazz by y"}));
    EXPECT_EQ(namesOf(mediasForChoice(all, "Rock", "All", "All")), (Names{"rock by x", "rock by y"}));
    EXPECT_EQ(namesOf(mediasForChoice(all, "All", "Y", "Y Swings")), (Names{"jazz by y"}));
    EXPECT_TRUE(mediasForChoice(all, "Rock", "Y", "X Rocks").empty());
}

TEST_F(ColumnStages, MediaListIsOrderedByArtistAlbumAndTrack)
{
    library.add("x rocks 2", "X", "X Rocks", "Rock", 2);
    library.add("x rocks 1", "X", "X Rocks", "Rock", 1);
    all = library.all();
    EXPECT_EQ(namesOf(mediasForChoice(all, "Rock", "X", "All")), (Names{"rock by x", "x rocks 1", "x rocks 2"}));
    EXPECT_EQ(filesCountText(0), "0 Files");
}
