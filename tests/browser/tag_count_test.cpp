#include <gtest/gtest.h>

#include "browser/tag_count.h"
#include "test_library.h"

using namespace korvida;

namespace {

void tagFirst(TestLibrary& library, int type, int count)
{
    for (auto& media : library.items)
        if (count > 0 && media->getMediaType() == type) {
            media->setTaged(true);
            --count;
        }
}

} // namespace

class TagCount : public ::testing::Test {
protected:
    TagCount()
    {
        for (int i = 0; i < 4; ++i) {
            library.add("tune", "a", "b", "c", 0, InMedia::kMusic);
            library.add("movie", "a", "b", "c", 0, InMedia::kMovie);
            library.add("photo", "2001", "02", "Photos", 0, InMedia::kPhoto);
        }
    }
    TestLibrary library;
};

TEST_F(TagCount, NothingTaggedGivesTheEmptyText)
{
    EXPECT_EQ(tagCountText(library.items), "");
}

TEST_F(TagCount, EmptyCountsKeepTheirPlace)
{
    tagFirst(library, InMedia::kMusic, 3);
    tagFirst(library, InMedia::kPhoto, 1);
    EXPECT_EQ(tagCountText(library.items), "3 tunes    1 photos  TagGed");
}

TEST_F(TagCount, OnlyPhotosTaggedBeginsWithFourSpaces)
{
    tagFirst(library, InMedia::kPhoto, 2);
    EXPECT_EQ(tagCountText(library.items), "    2 photos  TagGed");
}

TEST_F(TagCount, AllThreeAndUnknownTypesLeftOut)
{
    tagFirst(library, InMedia::kMusic, 1);
    tagFirst(library, InMedia::kMovie, 2);
    tagFirst(library, InMedia::kPhoto, 4);
    library.add("odd", "a", "b", "c", 0, 9).setTaged(true);
    EXPECT_EQ(tagCountText(library.items), "1 tunes  2 movies  4 photos  TagGed");
}
