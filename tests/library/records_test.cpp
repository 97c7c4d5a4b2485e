#include <gtest/gtest.h>

#include <thread>

#include "library/browser_rows.h"
#include "library/in_media.h"
#include "library/play_list.h"

TEST(InMedia, DecoratedNameFollowsCopyAndPlayState)
{
    InMedia media;
    media.setName("Song");
    EXPECT_EQ(media.getName(), "Song");
    media.setIsPlaying(true);
    EXPECT_EQ(media.getName(), "Playing Song");
    media.setShouldStartCopy(true);
    EXPECT_EQ(media.getName(), "Playing and Waiting Song");
    media.setIsPlaying(false);
    EXPECT_EQ(media.getName(), "Waiting Song");
    // A plain copy and an import each say what they do.
    media.setIsCopying(true);
    EXPECT_EQ(media.getName(), "Copying Song");
    media.setIsImporting(true);
    EXPECT_EQ(media.getName(), "Imports Song");
    EXPECT_EQ(media.getCleanName(), "Song");
}

TEST(InMedia, SettersCopyTheirArgument)
{
    InMedia media;
    std::string artist = "Bach";
    media.setArtist(artist);
    artist += " & Sons";
    EXPECT_EQ(media.getArtist(), "Bach");
}

TEST(InMedia, ShortIdIsTheLowSixteenBits)
{
    InMedia media;
    media.setByte1mediaID(0x01);
    media.setByte2mediaID(0x02);
    EXPECT_EQ(media.shortId(), 513);
}

TEST(InMedia, NameReadAndWrittenFromTwoThreadsStaysWhole)
{
    InMedia media;
    media.setName("Song");
    std::thread writer([&] {
        for (int i = 0; i < 1000; ++i)
            media.setName(i % 2 ? "BROKEN !! Song" : "Song");
    });
    for (int i = 0; i < 1000; ++i) {
        const std::string name = media.getName();
        EXPECT_TRUE(name == "Song" || name == "BROKEN !! Song") << name;
    }
    writer.join();
}

TEST(PlayList, OrdinaryPlaylistsAreIndentedLibraryEntriesAreNot)
{
    PlayList playlist;
    playlist.setListName("Road trip");
    EXPECT_EQ(playlist.getListName(), " Road trip");
    EXPECT_EQ(playlist.getCleanListName(), "Road trip");
    PlayList photos;
    photos.setListName("Photos");
    photos.setIsSubList(true);
    EXPECT_EQ(photos.getListName(), "Photos");
}

TEST(BrowserRows, HoldOneCopiedString)
{
    Genere genere;
    std::string rock = "Rock";
    genere.setGenere(rock);
    rock = "Pop";
    EXPECT_EQ(genere.getGenere(), "Rock");
    EXPECT_EQ(Artist("1999").getArtist(), "1999");
    EXPECT_EQ(Album("07").getAlbum(), "07");
}
