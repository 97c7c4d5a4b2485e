#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "app/main_app.h"
#include "support/fake_services.h"
#include "test_library.h"

using korvida::TableView;
using Names = std::vector<std::string>;

namespace {

template <class Row, class Get>
Names rowTexts(const std::vector<Row>& rows, Get get)
{
    Names texts;
    for (const Row& row : rows)
        texts.push_back((row.*get)());
    return texts;
}

Names genreTexts(const MainApp& app)
{
    return rowTexts(app.generes, &Genere::getGenere);
}
Names artistTexts(const MainApp& app)
{
    return rowTexts(app.artists, &Artist::getArtist);
}
Names albumTexts(const MainApp& app)
{
    return rowTexts(app.albums, &Album::getAlbum);
}

// A click as the window makes it: select the row, then send the table's action.
void clickRow(TableView& table, int row)
{
    table.selectRow(row, false);
    table.performClick();
}

korvida::TableColumn& column(TableView& table, const std::string& identifier)
{
    return *table.tableColumnWithIdentifier(identifier);
}

} // namespace

class MainAppBrowser : public ::testing::Test {
protected:
    MainAppBrowser() : app(fakes.services()) {}

    // Moves the test library into the controller, as a device read would.
    void open(TestLibrary& library)
    {
        for (auto& media : library.items)
            app.mediasVisible.push_back(std::move(media));
        library.items.clear();
    }

    PlayList& addPlayList(const std::string& name, bool isSubList, const std::vector<int>& members = {})
    {
        auto playList = std::make_unique<PlayList>();
        playList->setListName(name);
        playList->setIsSubList(isSubList);
        for (int index : members)
            playList->addMedia(app.mediasVisible[index].get());
        app.state.playLists.push_back(std::move(playList));
        return *app.state.playLists.back();
    }

    void openMixedLibrary()
    {
        TestLibrary library;
        library.add("Rock X 2", "X", "X Rocks", "Rock", 2);               // 0
        library.add("Rock X 1", "X", "X Rocks", "Rock", 1);               // 1
        library.add("Jazz X", "X", "X Swings", "Jazz", 1);                // 2
        library.add("Rock Y", "Y", "Y Rocks", "Rock", 1);                 // 3
        library.add("Film", "Z", "Z Films", "Drama", 1, InMedia::kMovie); // 4
        library.add("Beach", "2009", "07", "Photos", 0, InMedia::kPhoto); // 5
        open(library);
        addPlayList("Music/Movies", true);
        addPlayList("Mix", false, {3, 0, 3});
        addPlayList("Photos", true);
        addPlayList("Holiday", false, {2, 5});
        app.updateUI();
    }

    std::string mediaTitles() const
    {
        return app.artistColumn->headerTitle() + "/" + app.albumColumn->headerTitle() + " " +
            app.artistColumnControllPanelFullScreen->headerTitle() + "/" +
            app.albumColumnControllPanelFullScreen->headerTitle() + " " + app.artistColumnMedia->headerTitle() + "/" +
            app.albumColumnMedia->headerTitle();
    }

    FakeServices fakes;
    MainApp app;
};

TEST_F(MainAppBrowser, EmptyLibraryShowsOnlyAllRowsAndNoFiles)
{
    app.artistColumn->setHeaderTitle("Kept");
    app.allButton(nullptr);
    EXPECT_EQ(genreTexts(app), (Names{"All"}));
    EXPECT_EQ(artistTexts(app), (Names{"All"}));
    EXPECT_EQ(albumTexts(app), (Names{"All"}));
    EXPECT_TRUE(app.medias.empty());
    EXPECT_EQ(app.numberOfMedias->stringValue(), "0 Files");
    EXPECT_EQ(app.artistColumn->headerTitle(), "Kept");
}

TEST_F(MainAppBrowser, AllButtonStartsAtAllAllAllWithEveryItem)
{
    openMixedLibrary();
    app.searchField->setStringValue("left over");
    app.allFilterButton->performClick();
    EXPECT_EQ(genreTexts(app), (Names{"All", "Drama", "Jazz", "Photos", "Rock"}));
    for (TableView* table :
         {app.genereTableView.get(), app.genereTableViewFullScreen.get(), app.artistTableView.get(),
          app.artistTableViewFullScreen.get(), app.albumTableView.get(), app.albumTableViewFullScreen.get()})
        EXPECT_EQ(table->selectedRow(), 0);
    // Ordered by artist, album and track: the photo's year sorts first.
    EXPECT_EQ(namesOf(app.medias), (Names{"Beach", "Rock X 1", "Rock X 2", "Jazz X", "Rock Y", "Film"}));
    EXPECT_EQ(app.numberOfMedias->stringValue(), "6 Files");
    EXPECT_EQ(app.searchMedias, app.medias);
    EXPECT_EQ(app.searchField->stringValue(), "");
    // A new list plays nothing by itself.
    EXPECT_FALSE(app.playing);
    EXPECT_EQ(app.play->image(), app.palyButtonImageControllPanel);
}

TEST_F(MainAppBrowser, TypeButtonsNarrowTheLibraryAndPhotosRetitleTheColumns)
{
    openMixedLibrary();
    app.movieFilterButton->performClick();
    EXPECT_EQ(namesOf(app.medias), (Names{"Film"}));
    app.pictureFilterButton->performClick();
    EXPECT_EQ(namesOf(app.medias), (Names{"Beach"}));
    EXPECT_EQ(artistTexts(app), (Names{"All", "2009"}));
    EXPECT_EQ(mediaTitles(), "Year/Month Year/Month Year/Month");
    app.musicFilterButton->performClick();
    EXPECT_EQ(app.medias.size(), 4u);
    EXPECT_EQ(mediaTitles(), "Artist/Album Artist/Album Artist/Album");
    // Only the button of the filter in force is shown pressed.
    EXPECT_EQ(app.musicFilterButton->state(), 1);
    EXPECT_EQ(app.pictureFilterButton->state() + app.movieFilterButton->state() + app.allFilterButton->state(), 0);
    app.musicAndMovies();
    EXPECT_EQ(app.musicFilterButton->state(), 0);
}

TEST_F(MainAppBrowser, GenreArtistAndAlbumClicksRebuildTheLevelsBelow)
{
    openMixedLibrary();
    app.allButton(nullptr);
    clickRow(*app.genereTableView, 4); // Rock
    EXPECT_EQ(artistTexts(app), (Names{"All", "X", "Y"}));
    EXPECT_EQ(albumTexts(app), (Names{"All", "X Rocks", "Y Rocks"}));
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock X 1", "Rock X 2", "Rock Y"}));

    clickRow(*app.artistTableView, 1); // X within Rock
    EXPECT_EQ(albumTexts(app), (Names{"All", "X Rocks"}));
    EXPECT_EQ(app.albumTableViewFullScreen->selectedRow(), 0);

    clickRow(*app.genereTableView, 0); // All genres: X's albums across genres
    clickRow(*app.artistTableView, 2);
    EXPECT_EQ(albumTexts(app), (Names{"All", "X Rocks", "X Swings"}));
    clickRow(*app.albumTableView, 2);
    EXPECT_EQ(namesOf(app.medias), (Names{"Jazz X"}));
    EXPECT_EQ(app.numberOfMedias->stringValue(), "1 Files");

    // A click that leaves no row selected changes nothing; nor does the artist stage run
    // while the genre column has no selection.
    app.genereTableView->deselectAll();
    app.genereTableView->performClick();
    clickRow(*app.artistTableView, 0);
    EXPECT_EQ(albumTexts(app), (Names{"All", "X Rocks", "X Swings"}));
    EXPECT_EQ(namesOf(app.medias), (Names{"Jazz X"}));
}

TEST_F(MainAppBrowser, TwinTablesMirrorTheSelectionBothWays)
{
    openMixedLibrary();
    app.allButton(nullptr);
    clickRow(*app.genereTableViewFullScreen, 2); // Jazz, clicked in full screen
    EXPECT_EQ(app.genereTableView->selectedRow(), 2);
    EXPECT_EQ(app.genereTableView->scrolledRow(), 2);
    EXPECT_EQ(namesOf(app.medias), (Names{"Jazz X"}));
    clickRow(*app.mediaTableView, 0);
    EXPECT_EQ(app.mediaTableViewFullScreen->selectedRow(), 0);
    app.mediaTableView->deselectAll();
    clickRow(*app.mediaTableViewFullScreen, 0);
    EXPECT_EQ(app.mediaTableView->selectedRow(), 0);
}

TEST_F(MainAppBrowser, MediaRowClickLeavesThePlayStateAsItIs)
{
    openMixedLibrary();
    app.allButton(nullptr);
    app.lastPlaydMedia = app.medias[1];
    app.searchField->setStringValue("x");
    clickRow(*app.mediaTableView, 1);
    EXPECT_FALSE(app.playing) << "the loaded item is paused and stays so";
    EXPECT_EQ(app.playButtonControllPanel->image(), app.palyButtonImageControllPanel);
    EXPECT_EQ(app.searchField->stringValue(), "");

    app.playing = true;
    app.medias[2]->setShouldStartCopy(true);
    clickRow(*app.mediaTableView, 2);
    EXPECT_TRUE(app.playing) << "what plays plays on";
    EXPECT_FALSE(app.canselCopying->isHidden());
    EXPECT_TRUE(app.copyingProgressIndicator->isIndeterminate());

    clickRow(*app.mediaTableView, 0);
    EXPECT_TRUE(app.canselCopying->isHidden());
    EXPECT_TRUE(app.copyingProgressIndicator->isHidden());
}

TEST_F(MainAppBrowser, PlaylistClicksShowMembersOrSwitchTheFilter)
{
    openMixedLibrary();
    app.allButton(nullptr);
    clickRow(*app.playListTableViewFullScreen, 1); // "Mix", from full screen
    EXPECT_EQ(app.playListsTableView->selectedRow(), 1);
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock Y", "Rock X 2", "Rock Y"}));
    EXPECT_EQ(app.searchMedias, app.medias);
    EXPECT_EQ(app.numberOfMedias->stringValue(), "3 Files");

    EXPECT_EQ(app.artistColumnMedia->headerTitle(), "Artist");
    app.artistColumn->setHeaderTitle("Kept");
    clickRow(*app.playListsTableView, 3); // "Holiday" holds a photo
    EXPECT_EQ(app.artistColumnMedia->headerTitle(), "Year");
    EXPECT_EQ(app.albumColumnMedia->headerTitle(), "Month");
    EXPECT_EQ(app.artistColumn->headerTitle(), "Kept");

    clickRow(*app.playListsTableView, 2); // the "Photos" entry
    EXPECT_EQ(namesOf(app.medias), (Names{"Beach"}));

    clickRow(*app.playListsTableView, 0); // tunes and movies through the browser
    EXPECT_EQ(app.medias.size(), 5u);
    EXPECT_EQ(genreTexts(app), (Names{"All", "Drama", "Jazz", "Rock"}));
}

TEST_F(MainAppBrowser, SearchNarrowsTheLastClickedListAndClampsTheSelection)
{
    openMixedLibrary();
    app.allButton(nullptr);
    app.mediaTableView->selectRow(5, false);
    app.searchField->setStringValue("ROCK");
    app.searchField->sendAction();
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock Y", "Rock X 1", "Rock X 2"}));
    EXPECT_EQ(app.numberOfMedias->stringValue(), "3 Files");
    EXPECT_EQ(app.searchMedias.size(), 6u);
    EXPECT_EQ(app.mediaTableView->selectedRow(), -1);
    // Tagging and a click now read nothing past the shorter list.
    app.tagButton->performClick();
    EXPECT_EQ(app.mediaTaged->stringValue(), "");

    app.searchField->setStringValue("zzz");
    app.searchField->sendAction();
    EXPECT_TRUE(app.medias.empty());
    EXPECT_EQ(app.numberOfMedias->stringValue(), "0 Files");
}

TEST_F(MainAppBrowser, HeaderClicksAlternateDirectionAndKeepAllFirst)
{
    openMixedLibrary();
    app.allButton(nullptr);
    TableView& media = *app.mediaTableView;
    media.performHeaderClick(column(media, "name"));
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock Y", "Rock X 2", "Rock X 1", "Jazz X", "Film", "Beach"}));
    media.performHeaderClick(column(media, "name"));
    EXPECT_EQ(app.medias.front()->getCleanName(), "Beach");

    clickRow(*app.genereTableView, 4); // Rock: one album of X with tracks 1 and 2
    clickRow(*app.artistTableView, 1);
    app.mediaTableViewFullScreen->performHeaderClick(column(*app.mediaTableViewFullScreen, "taged"));
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock X 1", "Rock X 2"}));
    app.mediaTableViewFullScreen->performHeaderClick(column(*app.mediaTableViewFullScreen, "taged"));
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock X 2", "Rock X 1"}));

    app.genereTableViewFullScreen->performHeaderClick(column(*app.genereTableViewFullScreen, "genere"));
    EXPECT_EQ(genreTexts(app), (Names{"All", "Rock", "Photos", "Jazz", "Drama"}));
    EXPECT_EQ(app.genereTableView->selectedRow(), 4); // the sort does not move the selection

    TableView& playLists = *app.playListsTableView;
    playLists.performHeaderClick(column(playLists, "listName"));
    EXPECT_TRUE(column(playLists, "listName").sortDescriptorPrototype()->ascending);
    EXPECT_EQ(app.state.playLists[1]->getCleanListName(), "Mix");
}

TEST_F(MainAppBrowser, StatisticColumnsShowStarsSortByValueAndKeepWhatIsShown)
{
    openMixedLibrary();
    const auto rate = [this](int item, std::uint8_t rating, std::uint32_t lastPlayed) {
        TuneStatistics statistics;
        statistics.rating = rating;
        statistics.playCount = 3;
        statistics.lastPlayedSince1904 = lastPlayed;
        app.mediasVisible[item]->setStatistics(statistics);
    };
    rate(0, 40, 0);
    rate(1, 100, 3682844800); // 2020-09-13 12:26:40 UTC
    rate(2, 80, 0);
    rate(3, 60, 0);
    rate(4, 20, 0); // the photo has no statistics
    app.allButton(nullptr);
    TableView& media = *app.mediaTableView;
    for (TableView* table : {app.mediaTableView.get(), app.mediaTableViewFullScreen.get()}) {
        EXPECT_TRUE(column(*table, "rating").isHidden());
        EXPECT_TRUE(column(*table, "dateAdded").isUserHideable());
        EXPECT_FALSE(column(*table, "name").isUserHideable());
    }

    // Highest first on the first click, items with no value last; then the other way.
    media.performHeaderClick(column(media, "rating"));
    EXPECT_EQ(namesOf(app.medias), (Names{"Rock X 1", "Jazz X", "Rock Y", "Rock X 2", "Film", "Beach"}));
    EXPECT_FALSE(media.sortIndicatorAscending());
    media.performHeaderClick(column(media, "rating"));
    EXPECT_EQ(namesOf(app.medias), (Names{"Beach", "Film", "Rock X 2", "Rock Y", "Jazz X", "Rock X 1"}));
    media.performHeaderClick(column(media, "lastPlayed"));
    EXPECT_EQ(app.medias.front()->getCleanName(), "Rock X 1");

    EXPECT_EQ(app.tableViewObjectValueForTableColumn(media, column(media, "rating"), 0),
              korvida::CellValue(std::string("★★★★★")));
    EXPECT_EQ(app.tableViewObjectValueForTableColumn(media, column(media, "playCount"), 0), korvida::CellValue(3));
    EXPECT_EQ(app.tableViewObjectValueForTableColumn(media, column(media, "skipCount"), 0), korvida::CellValue());
    const std::string zone = std::getenv("TZ") ? std::getenv("TZ") : "";
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(app.tableViewObjectValueForTableColumn(media, column(media, "lastPlayed"), 0),
              korvida::CellValue(std::string("2020-09-13")));
    zone.empty() ? unsetenv("TZ") : setenv("TZ", zone.c_str(), 1);
    tzset();

    // Shown from one table's menu: both tables show it, and the next start does too.
    media.performColumnVisibilityChange(column(media, "playCount"), false);
    media.performColumnVisibilityChange(column(media, "rating"), false);
    EXPECT_FALSE(column(*app.mediaTableViewFullScreen, "rating").isHidden());
    MainApp next(fakes.services());
    next.loadDefaults();
    EXPECT_FALSE(column(*next.mediaTableView, "rating").isHidden());
    EXPECT_FALSE(column(*next.mediaTableViewFullScreen, "playCount").isHidden());
    EXPECT_TRUE(column(*next.mediaTableView, "skipCount").isHidden());
}

TEST_F(MainAppBrowser, CellValuesEditsAndColoursFollowTheTables)
{
    openMixedLibrary();
    app.allButton(nullptr);
    InMedia* first = app.medias[0];
    const auto& taged = column(*app.mediaTableViewFullScreen, "taged");
    app.tableViewSetObjectValueForTableColumnRow(*app.mediaTableViewFullScreen, true, taged, 0);
    EXPECT_TRUE(first->getTaged());
    EXPECT_EQ(app.tableViewObjectValueForTableColumn(*app.mediaTableView, column(*app.mediaTableView, "taged"), 0),
              korvida::CellValue(true));
    EXPECT_EQ(app.mediaTaged->stringValue(), "    1 photos  TagGed") << "the line follows every tick";

    // Rows the lists do not have are neither read nor written.
    app.tableViewSetObjectValueForTableColumnRow(*app.mediaTableView, true, taged, 6);
    app.tableViewSetObjectValueForTableColumnRow(*app.mediaTableView, true, taged, -1);
    EXPECT_EQ(app.tableViewObjectValueForTableColumn(*app.mediaTableView, taged, 6), korvida::CellValue());
    app.tableViewSetObjectValueForTableColumnRow(*app.genereTableView, std::string("Pop"),
                                                 column(*app.genereTableView, "genere"), 1);
    EXPECT_EQ(app.generes[1].getGenere(), "Drama");
    EXPECT_EQ(
        app.tableViewObjectValueForTableColumn(*app.playListsTableView, column(*app.playListsTableView, "listName"), 1),
        korvida::CellValue(std::string(" Mix")));
    EXPECT_EQ(app.numberOfRowsInTableView(*app.playListTableViewFullScreen), 4);

    korvida::TableCell cell;
    first->setIsPlaying(true);
    first->setIsBroken(true);
    app.tableViewWillDisplayCell(*app.mediaTableView, cell, column(*app.mediaTableView, "name"), 0);
    EXPECT_EQ(cell.textColor, korvida::Color::redColor());
    korvida::TableCell entry;
    app.tableViewWillDisplayCell(*app.playListTableViewFullScreen, entry,
                                 column(*app.playListTableViewFullScreen, "listName"), 2);
    EXPECT_EQ(entry.textColor, korvida::Color::blueColor());
    korvida::TableCell untouched;
    app.tableViewWillDisplayCell(*app.genereTableView, untouched, column(*app.genereTableView, "genere"), 0);
    EXPECT_EQ(untouched.textColor, std::nullopt);
}

TEST_F(MainAppBrowser, TagButtonsActOnTheMainTablesSelection)
{
    openMixedLibrary();
    app.allButton(nullptr);
    app.mediaTableView->selectRowIndexes({0, 2}, false);
    app.mediaTableViewFullScreen->selectRowIndexes({1}, false);
    app.tagButton->performClick();
    EXPECT_EQ(app.mediaTaged->stringValue(), "1 tunes    1 photos  TagGed");
    EXPECT_FALSE(app.medias[1]->getTaged());

    app.selectAllButton->performClick();
    EXPECT_EQ(app.mediaTableView->numberOfSelectedRows(), 6);
    EXPECT_EQ(app.mediaTaged->stringValue(), "1 tunes    1 photos  TagGed");
    app.untagButton->performClick();
    EXPECT_EQ(app.mediaTaged->stringValue(), "");
}
