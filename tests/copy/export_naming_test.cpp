#include <gtest/gtest.h>

#include "copy/export_naming.h"

using namespace korvida;

TEST(ExportNaming, SlashesBecomeColonsAndUnsafeComponentsAStandIn)
{
    EXPECT_EQ(exportComponent("Night/Day"), "Night:Day");
    EXPECT_EQ(exportComponent("a//b/"), "a::b:");
    EXPECT_EQ(exportComponent("Song.Two"), "Song.Two");
    EXPECT_EQ(exportComponent(""), "_");
    EXPECT_EQ(exportComponent("."), "_");
    EXPECT_EQ(exportComponent(".."), "_");
    EXPECT_EQ(exportComponent("..."), "...");
    EXPECT_EQ(exportComponent("/.."), ":..");
    EXPECT_EQ(exportComponent(std::string("a\0b", 3)), "a_b");
}

TEST(ExportNaming, TrackNumberIsShownWithAtLeastTwoDigits)
{
    EXPECT_EQ(musicMovieFileName("Song.Two", "mp3", 3, true), "03 Song.Two.mp3");
    EXPECT_EQ(musicMovieFileName("Song", "mp3", 12, true), "12 Song.mp3");
    EXPECT_EQ(musicMovieFileName("Song", "mp3", 123, true), "123 Song.mp3");
    EXPECT_EQ(musicMovieFileName("Song.Two", "mp3", 3, false), "Song.Two.mp3");
    EXPECT_EQ(musicMovieFileName("Song.Two", "mp3", 0, true), "Song.Two.mp3");
    EXPECT_EQ(musicMovieFileName("Song", "mp3", -4, true), "Song.mp3");
}

TEST(ExportNaming, FileNameOfAnItemNeverLeavesItsFolder)
{
    EXPECT_EQ(musicMovieFileName("", "mp3", 0, false), "_.mp3");
    EXPECT_EQ(musicMovieFileName("..", "", 0, false), "_.");
    EXPECT_EQ(musicMovieFileName("a/b", "x/../..", 0, false), "a:b.x:..:..");
}

TEST(ExportNaming, PictureFieldsOpenOneLevelPerSlashEachMadeSafe)
{
    EXPECT_EQ(exportFolderLevels("2004"), std::vector<std::string>{"2004"});
    EXPECT_EQ(exportFolderLevels("2004/05"), (std::vector<std::string>{"2004", "05"}));
    EXPECT_EQ(exportFolderLevels("../../etc"), (std::vector<std::string>{"_", "_", "etc"}));
    EXPECT_EQ(exportFolderLevels("/x/"), (std::vector<std::string>{"_", "x", "_"}));
    EXPECT_EQ(exportFolderLevels(""), std::vector<std::string>{"_"});

    const auto place = picturePlace("2004", "05/..", "17", "a/b.jpg");
    EXPECT_EQ(place.folders, (std::vector<std::string>{"2004", "05", "_", "17"}));
    EXPECT_EQ(place.fileName, "a:b.jpg");
}

TEST(ExportNaming, TuneGoesIntoArtistAndAlbumFolders)
{
    const auto place = musicMoviePlace("Night/Day", "..", "03 Song.mp3");
    EXPECT_EQ(place.folders, (std::vector<std::string>{"Night:Day", "_"}));
    EXPECT_EQ(place.fileName, "03 Song.mp3");
}

TEST(ExportNaming, ControlCharactersBecomeUnderscores)
{
    EXPECT_EQ(exportComponent("a\nb"), "a_b");
    EXPECT_EQ(exportComponent("07 \x1b[31mRED\a\r\t\x7f"), "07 _[31mRED____");
    // U+0085 (next line) and U+009B (a terminal's CSI) are C1; U+00A0 and U+00E9 are not.
    EXPECT_EQ(exportComponent("x\xc2\x85y\xc2\x9bz\xc2\xa0\xc3\xa9"), "x_y_z\xc2\xa0\xc3\xa9");
    EXPECT_EQ(musicMovieFileName("Song", "mp\n3", 1, true), "01 Song.mp_3");
}

TEST(ExportNaming, LongNamesAreCutAtCharactersKeepingNumberAndType)
{
    std::string japanese;
    for (int i = 0; i < 100; ++i)
        japanese += "\xe6\x97\xa5"; // 100 three-byte characters, 300 bytes
    const std::string fileName = musicMovieFileName(japanese, "mp3", 7, true);
    EXPECT_LE(fileName.size(), kMaxComponentBytes);
    EXPECT_TRUE(fileName.starts_with("07 \xe6\x97\xa5"));
    EXPECT_TRUE(fileName.ends_with("\xe6\x97\xa5.mp3"));
    EXPECT_EQ((fileName.size() - 3 - 4) % 3, 0u); // whole characters only

    EXPECT_EQ(exportComponent(std::string(300, 'a')), std::string(255, 'a'));
    EXPECT_EQ(exportComponent("\xc3\xa9" + std::string(254, 'a')).size(), 255u);
    EXPECT_EQ(exportComponent(std::string(254, 'a') + "\xc3\xa9"), std::string(254, 'a'));

    const auto place = picturePlace("2004", "05", "17", std::string(300, 'p') + ".jpg");
    EXPECT_EQ(place.fileName, std::string(251, 'p') + ".jpg");
}

TEST(ExportNaming, PictureFieldsOpenAtMostFourLevels)
{
    EXPECT_EQ(exportFolderLevels("a/b/c/d/e/f"), (std::vector<std::string>{"a", "b", "c", "d:e:f"}));
    std::string dots;
    for (int i = 0; i < 1500; ++i)
        dots += "./";
    const auto levels = exportFolderLevels(dots);
    ASSERT_EQ(levels.size(), kMaxPictureLevels);
    EXPECT_EQ(levels[3].size(), kMaxComponentBytes);
}
