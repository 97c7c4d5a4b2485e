#include <gtest/gtest.h>

#include "browser/search_match.h"
#include "test_library.h"

using namespace korvida;
using Names = std::vector<std::string>;

TEST(SearchMatch, PrefixOfAnyOfTheFourFields)
{
    TestLibrary library;
    library.add("Help", "The Beatles", "Help!", "Pop");
    library.add("Intro", "Various", "Best Of", "Pop");
    library.add("Song", "Bert", "Album", "Bebop");
    const auto all = library.all();
    // "be" begins "Best Of", "Bert" and "Bebop", but only sits inside "The Beatles".
    EXPECT_EQ(namesOf(searchResult(all, "be")), (Names{"Intro", "Song"}));
    EXPECT_EQ(namesOf(searchResult(all, "hel")), (Names{"Help"}));
    EXPECT_EQ(namesOf(searchResult(all, "pop")), (Names{"Help", "Intro"}));
}

TEST(SearchMatch, IgnoresCaseOnBothSidesIncludingBeyondAscii)
{
    TestLibrary library;
    library.add("x", "ABBA", "y", "z");
    library.add("x", "abba", "y", "z");
    library.add("\xC3\x84rger", "y", "y", "z");             // Ärger
    library.add("\xCE\xA3\xCE\x9F\xCE\xA3", "y", "y", "z"); // ΣΟΣ, final sigma when lowered
    const auto all = library.all();
    EXPECT_EQ(searchResult(all, "ABBA").size(), 2u);
    EXPECT_EQ(searchResult(all, "aBbA").size(), 2u);
    EXPECT_EQ(searchResult(all, "\xC3\xA4r").size(), 1u);                // är
    EXPECT_EQ(searchResult(all, "\xC3\x84R").size(), 1u);                // ÄR
    EXPECT_EQ(searchResult(all, "\xCF\x83\xCE\xBF\xCF\x82").size(), 1u); // σος
}

TEST(SearchMatch, FindsAnItemByItsShownNameAndByItsOwnName)
{
    TestLibrary library;
    library.add("Caf\xC3\xA9 \xC3\x89lectrique", "A", "B", "C").setIsPlaying(true); // Café Électrique
    InMedia& gone = library.add("BROKEN !! Harbour Bells", "A", "B", "C");
    gone.setIsBroken(true);
    library.add("BROKEN !! Tide", "A", "B", "C"); // so named on the player, not marked
    const auto all = library.all();
    EXPECT_EQ(namesOf(searchResult(all, "playing")), (Names{"Caf\xC3\xA9 \xC3\x89lectrique"}));
    EXPECT_EQ(namesOf(searchResult(all, "cafe")), (Names{"Caf\xC3\xA9 \xC3\x89lectrique"}));
    EXPECT_EQ(namesOf(searchResult(all, "Harbour")), (Names{"BROKEN !! Harbour Bells"}));
    EXPECT_EQ(searchResult(all, "broken").size(), 2u);
    EXPECT_TRUE(searchResult(all, "tide").empty()) << "only the mark of a missing file is passed over";
}

TEST(SearchMatch, EmptyTextKeepsEverythingInAlbumDescendingOrder)
{
    TestLibrary library;
    library.add("a2", "X", "Alpha", "G", 2);
    library.add("z", "X", "Zulu", "G", 1);
    library.add("a1", "X", "Alpha", "G", 1);
    const auto all = library.all();
    EXPECT_EQ(namesOf(searchResult(all, "")), (Names{"z", "a1", "a2"}));
}

TEST(SearchMatch, TextLongerThanEveryFieldFindsNothing)
{
    TestLibrary library;
    library.add("ab", "ab", "ab", "ab");
    library.add("", "", "", "");
    EXPECT_TRUE(searchResult(library.all(), "abc").empty());
    EXPECT_TRUE(searchResult(library.all(), "\xCF\x83").empty()); // σ, as long as "ab"
}

TEST(SearchMatch, PrefixTestOnFieldsThatStartInAsciiAndGoOn)
{
    EXPECT_TRUE(beginsWithSearchText("AB\xC3\x84", SearchText("ab")));
    EXPECT_TRUE(beginsWithSearchText("AB\xC3\x84", SearchText("ab\xC3\xA4")));
    EXPECT_FALSE(beginsWithSearchText("ABC", SearchText("ab\xC3\xA4")));
    EXPECT_FALSE(beginsWithSearchText("AB", SearchText("ab\xC3\xA4")));
    // The dotted capital I lowers to two characters, i and a combining dot.
    EXPECT_TRUE(beginsWithSearchText("\xC4\xB0stanbul", SearchText("i\xCC\x87s")));
    EXPECT_EQ(lowerCased("\xC4\xB0"), "i\xCC\x87");
}

TEST(SearchMatch, IgnoresAccentsOnBothSidesButStaysAPrefixMatch)
{
    TestLibrary library;
    library.add("Caf\xC3\xA9 del Mar", "y", "a", "z"); // Café del Mar
    library.add("x",
                "Sj\xC3\xB8"
                "bris",
                "y", "z"); // Sjøbris
    library.add("x", "y",
                "\xC3\x86"
                "bleskud",
                "z"); // Æbleskud
    library.add("x",
                "The B\xC3\xA9"
                "atles",
                "y", "z"); // The Béatles
    library.add("cafeteria", "y", "b", "z");
    const auto all = library.all();
    EXPECT_EQ(namesOf(searchResult(all, "cafe")), (Names{"cafeteria", "Caf\xC3\xA9 del Mar"}));
    EXPECT_EQ(namesOf(searchResult(all, "CAF\xC3\x89")), (Names{"cafeteria", "Caf\xC3\xA9 del Mar"}));
    EXPECT_EQ(searchResult(all, "sjo").size(), 1u);
    EXPECT_EQ(searchResult(all, "SJ\xC3\x98").size(), 1u);
    EXPECT_EQ(searchResult(all, "aeble").size(), 1u);
    EXPECT_TRUE(searchResult(all, "bea").empty()) << "the artist only contains it";
    EXPECT_TRUE(searchResult(all, "caff").empty());
}
