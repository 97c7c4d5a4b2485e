#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "desktop_fixture.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

constexpr int kRating = 5; // after the tick box, name, artist, album and genre
constexpr int kPlayCount = 6;

// The window on a player whose three tunes the player rated and counted.
class StatisticColumnsTest : public DesktopFixture {
protected:
    StatisticColumnsTest()
    {
        dw::Device device;
        device.iTunesLayout.trackHeaderLength = 584;
        const std::uint8_t ratings[] = {60, 100, 20};
        for (std::uint32_t i = 0; i < 3; ++i) {
            dw::Track track{"Tune " + std::to_string(i),
                            "Artist",
                            "Album",
                            "Rock",
                            ":iPod_Control:Music:F00:T" + std::to_string(i) + ".mp3",
                            101 + i,
                            i + 1,
                            "MPEG audio file"};
            track.rating = ratings[i];
            track.playCount = 10 + i;
            device.tracks.push_back(track);
        }
        player = folder.path() / "NANO";
        EXPECT_TRUE(dw::writeDevice(player, device));
        open();
    }

    void open()
    {
        desktop->launch();
        desktop->openFolder(QString::fromStdString(player.string()));
        desktop->controller().doChecks();
    }

    QTableView* table(const char* outlet) const { return widget<QTableView>(outlet); }

    // Ticks the column's entry in the header's menu, as the user does.
    static void chooseInHeaderMenu(QTableView* view, const QString& entry)
    {
        QHeaderView* header = view->horizontalHeader();
        bool found = false;
        QTimer::singleShot(0, header, [header, entry, &found] {
            QMenu* menu = header->findChild<QMenu*>();
            if (menu == nullptr)
                return;
            for (QAction* action : menu->actions())
                if (action->text() == entry) {
                    action->setChecked(!action->isChecked());
                    found = true;
                }
            menu->close();
        });
        emit header->customContextMenuRequested(QPoint(10, header->height() / 2));
        EXPECT_TRUE(found) << entry.toStdString();
    }

    static QString cell(QTableView* view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }

    std::filesystem::path player;
};

} // namespace

TEST_F(StatisticColumnsTest, ColumnsShownFromTheHeaderMenuShowStarsSortAndStayShown)
{
    QTableView* medias = table("mediaTableView");
    ASSERT_EQ(medias->model()->rowCount(), 3);
    EXPECT_EQ(medias->horizontalHeader()->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_TRUE(medias->isColumnHidden(kRating)) << "hidden at first";
    EXPECT_EQ(table("playListsTableView")->horizontalHeader()->contextMenuPolicy(), Qt::DefaultContextMenu);

    chooseInHeaderMenu(medias, QStringLiteral("Rating"));
    EXPECT_FALSE(medias->isColumnHidden(kRating));
    EXPECT_TRUE(medias->isColumnHidden(kPlayCount));
    EXPECT_FALSE(table("mediaTableViewFullScreen")->isColumnHidden(kRating)) << "the full-screen twin follows";
    EXPECT_EQ(medias->model()->headerData(kRating, Qt::Horizontal).toString(), "Rating");

    // The header click sorts by the rating, best first.
    QHeaderView* header = medias->horizontalHeader();
    const QPoint inRating(header->sectionViewportPosition(kRating) + header->sectionSize(kRating) / 2,
                          header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, inRating);
    EXPECT_EQ(cell(medias, 0, kRating), QString::fromUtf8("★★★★★"));
    EXPECT_EQ(cell(medias, 1, kRating), QString::fromUtf8("★★★☆☆"));
    EXPECT_EQ(cell(medias, 2, 1), "Tune 2");

    // A reload keeps the columns as chosen; so does the next start.
    desktop->controller().allButton(nullptr);
    EXPECT_FALSE(medias->isColumnHidden(kRating));
    EXPECT_TRUE(medias->isColumnHidden(kPlayCount));
    restart();
    open();
    EXPECT_FALSE(table("mediaTableView")->isColumnHidden(kRating));
    EXPECT_TRUE(table("mediaTableView")->isColumnHidden(kPlayCount));

    chooseInHeaderMenu(table("mediaTableView"), QStringLiteral("Rating"));
    EXPECT_TRUE(table("mediaTableView")->isColumnHidden(kRating)) << "unticking hides it again";
}
