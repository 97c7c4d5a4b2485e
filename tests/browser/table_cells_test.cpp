#include <gtest/gtest.h>

#include "browser/column_titles.h"
#include "browser/play_list_choice.h"
#include "browser/table_cells.h"
#include "library/play_list.h"
#include "test_library.h"

using namespace korvida;

TEST(CellColour, NameColumnsShowPlayingGreenAndBrokenRedOverGreen)
{
    InMedia media;
    EXPECT_EQ(cellTextColour(BrowserTable::Media, "name", &media, nullptr), TextColour::Black);
    EXPECT_EQ(cellTextColour(BrowserTable::MediaFullScreen, "name", &media, nullptr), TextColour::LightGray);
    media.setIsPlaying(true);
    EXPECT_EQ(cellTextColour(BrowserTable::Media, "name", &media, nullptr), TextColour::Green);
    EXPECT_EQ(cellTextColour(BrowserTable::MediaFullScreen, "name", &media, nullptr), TextColour::Green);
    media.setIsBroken(true);
    EXPECT_EQ(cellTextColour(BrowserTable::Media, "name", &media, nullptr), TextColour::Red);
    EXPECT_EQ(cellTextColour(BrowserTable::MediaFullScreen, "name", &media, nullptr), TextColour::Red);
    // Other columns of the media tables, and rows that do not exist, keep the layout's colour.
    EXPECT_EQ(cellTextColour(BrowserTable::Media, "artist", &media, nullptr), std::nullopt);
    EXPECT_EQ(cellTextColour(BrowserTable::MediaFullScreen, "taged", &media, nullptr), std::nullopt);
    EXPECT_EQ(cellTextColour(BrowserTable::Media, "name", nullptr, nullptr), std::nullopt);
}

TEST(CellColour, BrowserAndPlaylistTables)
{
    PlayList entry;
    entry.setIsSubList(true);
    PlayList ordinary;
    for (BrowserTable table :
         {BrowserTable::GenereFullScreen, BrowserTable::ArtistFullScreen, BrowserTable::AlbumFullScreen})
        EXPECT_EQ(cellTextColour(table, "x", nullptr, nullptr), TextColour::LightGray);
    for (BrowserTable table : {BrowserTable::Genere, BrowserTable::Artist, BrowserTable::Album,
                               BrowserTable::ImportTargets, BrowserTable::Other})
        EXPECT_EQ(cellTextColour(table, "x", nullptr, &entry), std::nullopt);
    EXPECT_EQ(cellTextColour(BrowserTable::PlayListsFullScreen, "x", nullptr, &entry), TextColour::Blue);
    EXPECT_EQ(cellTextColour(BrowserTable::PlayListsFullScreen, "x", nullptr, &ordinary), TextColour::LightGray);
    EXPECT_EQ(cellTextColour(BrowserTable::PlayLists, "x", nullptr, &entry), TextColour::Blue);
    EXPECT_EQ(cellTextColour(BrowserTable::PlayLists, "x", nullptr, &ordinary), TextColour::Black);
}

TEST(TableRows, TwinsShareTheirListAndUnknownTablesShowGenres)
{
    for (BrowserTable table : {BrowserTable::Media, BrowserTable::Genere, BrowserTable::Artist, BrowserTable::Album,
                               BrowserTable::PlayLists}) {
        EXPECT_NE(twinOf(table), table);
        EXPECT_EQ(twinOf(twinOf(table)), table);
        EXPECT_EQ(rowListOf(twinOf(table)), rowListOf(table));
    }
    EXPECT_EQ(rowListOf(BrowserTable::Other), RowList::Generes);
    EXPECT_EQ(rowListOf(BrowserTable::ImportTargets), RowList::ImportPlayLists);
    EXPECT_EQ(twinOf(BrowserTable::ImportTargets), BrowserTable::ImportTargets);
}

TEST(ColumnTitles, PhotosAloneGiveYearAndMonthAndEmptyListKeepsTitles)
{
    TestLibrary library;
    EXPECT_EQ(titlesForShownMedias(library.all()), std::nullopt);
    library.add("photo", "2004", "07", "Photos", 0, InMedia::kPhoto);
    EXPECT_EQ(titlesForShownMedias(library.all()), kPhotoTitles);
    // A mixed list, whichever comes first, shows artist and album names.
    library.add("tune", "a", "b", "c");
    EXPECT_EQ(titlesForShownMedias(library.all()), kMusicTitles);
    std::swap(library.items[0], library.items[1]);
    EXPECT_EQ(titlesForShownMedias(library.all()), kMusicTitles);
}

TEST(PlayListBrowsing, OnePhotoMemberGivesPhotoTitles)
{
    TestLibrary library;
    PlayList playList;
    playList.addMedia(&library.add("tune", "a", "b", "c"));
    EXPECT_EQ(titlesForPlayList(playList), kMusicTitles);
    playList.addMedia(&library.add("photo", "2004", "07", "Photos", 0, InMedia::kPhoto));
    EXPECT_EQ(titlesForPlayList(playList), kPhotoTitles);
}

TEST(PlayListBrowsing, FirstRowAndPhotosEntrySwitchTheFilter)
{
    PlayList empty;
    empty.setListName("Empty");
    empty.setIsSubList(true);
    PlayList photos;
    photos.setListName("Photos");
    photos.setIsSubList(true);
    PlayList devicePhotos; // a playlist of the device that happens to be called "Photos"
    devicePhotos.setListName("Photos");
    EXPECT_EQ(playListChoice(0, empty), PlayListChoice::MusicAndMovies);
    EXPECT_EQ(playListChoice(0, devicePhotos), PlayListChoice::MusicAndMovies);
    EXPECT_EQ(playListChoice(3, photos), PlayListChoice::Pictures);
    EXPECT_EQ(playListChoice(3, devicePhotos), PlayListChoice::Members);
}
