#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "desktop_fixture.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

// The window opened on a player with two genres, three artists and a playlist; rows are
// clicked in the real table widgets.
class BrowserColumnsTest : public DesktopFixture {
protected:
    BrowserColumnsTest()
    {
        dw::Device device;
        device.tracks = {
            dw::Track{"Harbour Bells", "Fjord Brass", "Tides", "Folk", ":iPod_Control:Music:F00:AAAA.mp3", 101, 1,
                      "MPEG audio file"},
            dw::Track{"Low Tide", "Fjord Brass", "Tides", "Folk", ":iPod_Control:Music:F00:AAAB.mp3", 102, 2,
                      "MPEG audio file"},
            dw::Track{"Snowfall", "Aurora Quartet", "Winter", "Ambient", ":iPod_Control:Music:F01:BBBB.mp3", 103, 1,
                      "MPEG audio file"},
            dw::Track{"Ice Road", "Birch", "Roads", "Folk", ":iPod_Control:Music:F01:BBBC.mp3", 104, 1,
                      "MPEG audio file"},
        };
        device.playlists = {dw::Playlist{"Road trip", {104, 101}}};
        const auto root = folder.path() / "NANO";
        EXPECT_TRUE(dw::writeDevice(root, device));
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
    }

    MainApp& app() { return desktop->controller(); }
    QTableView* table(const char* outlet) const { return widget<QTableView>(outlet); }

    static QString cell(QTableView* view, int row, int column = 0)
    {
        return view->model()->index(row, column).data().toString();
    }

    // A click on the row's first text cell, as the user makes it.
    static void clickRow(QTableView* view, int row, int column = 0)
    {
        const QRect rect = view->visualRect(view->model()->index(row, column));
        ASSERT_TRUE(rect.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    static int selectedRow(QTableView* view)
    {
        const auto rows = view->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
};

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
