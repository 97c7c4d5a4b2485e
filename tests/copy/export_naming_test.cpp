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
