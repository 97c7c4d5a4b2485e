#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "browser_window.h"

namespace {

class BrowserColumnsTest : public BrowserWindowTest {};

} // namespace

TEST_F(BrowserColumnsTest, TheColumnsStartAtAllWithEveryTune)
{
    QTableView* genres = table("genereTableView");
    ASSERT_EQ(genres->model()->rowCount(), 3);
    EXPECT_EQ(cell(genres, 0), "All");
    EXPECT_EQ(cell(genres, 1), "Ambient");
    EXPECT_EQ(selectedRow(genres), 0);
    EXPECT_EQ(table("artistTableView")->model()->rowCount(), 4);
    EXPECT_EQ(table("mediaTableView")->model()->rowCount(), 4);
    EXPECT_EQ(widget<QLabel>("numberOfMedias")->text(), "4 Files");
}

TEST_F(BrowserColumnsTest, ClickingAGenreThenAnArtistNarrowsTheColumnsBelow)
{
    QTableView* genres = table("genereTableView");
    QTableView* artists = table("artistTableView");
    QTableView* medias = table("mediaTableView");
    clickRow(genres, 2); // Folk
    ASSERT_EQ(artists->model()->rowCount(), 3);
    EXPECT_EQ(cell(artists, 1), "Birch");
    EXPECT_EQ(cell(artists, 2), "Fjord Brass");
    EXPECT_EQ(selectedRow(artists), 0);
    EXPECT_EQ(medias->model()->rowCount(), 3);
    EXPECT_EQ(selectedRow(table("genereTableViewFullScreen")), 2) << "the full-screen twin follows";

    clickRow(artists, 2); // Fjord Brass
    EXPECT_EQ(table("albumTableView")->model()->rowCount(), 2);
    ASSERT_EQ(medias->model()->rowCount(), 2);
    const int name = 1; // after the tick box
    EXPECT_EQ(cell(medias, 0, name), "Harbour Bells");
    EXPECT_EQ(cell(medias, 1, name), "Low Tide");
    EXPECT_EQ(widget<QLabel>("numberOfMedias")->text(), "2 Files");
}

TEST_F(BrowserColumnsTest, APlaylistShowsItsMembersAndTheSearchNarrowsThem)
{
    QTableView* playLists = table("playListsTableView");
    QTableView* medias = table("mediaTableView");
    ASSERT_GE(playLists->model()->rowCount(), 2);
    clickRow(playLists, 1);
    ASSERT_EQ(medias->model()->rowCount(), 2);
    EXPECT_EQ(cell(medias, 0, 1), "Ice Road") << "members keep the playlist's order";
    EXPECT_EQ(selectedRow(table("playListTableViewFullScreen")), 1);

    QLineEdit* search = widget<QLineEdit>("searchField");
    QTest::keyClicks(search, "HAR");
    ASSERT_EQ(medias->model()->rowCount(), 1);
    EXPECT_EQ(cell(medias, 0, 1), "Harbour Bells");
    EXPECT_EQ(widget<QLabel>("numberOfMedias")->text(), "1 Files");
}

TEST_F(BrowserColumnsTest, HeaderClicksSortTheMediaTableAndTicksTagItems)
{
    QTableView* medias = table("mediaTableView");
    const int nameColumn = 1;
    QHeaderView* header = medias->horizontalHeader();
    const QPoint inName(header->sectionViewportPosition(nameColumn) + header->sectionSize(nameColumn) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, inName);
    EXPECT_EQ(cell(medias, 0, nameColumn), "Snowfall") << "the first click sorts descending";

    const QModelIndex tick = medias->model()->index(0, 0);
    EXPECT_TRUE(medias->model()->flags(tick) & Qt::ItemIsUserCheckable);
    ASSERT_TRUE(medias->model()->setData(tick, Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(app().medias[0]->getTaged());
    EXPECT_EQ(app().medias[0]->getCleanName(), "Snowfall");
}
