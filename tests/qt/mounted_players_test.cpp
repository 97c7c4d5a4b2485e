#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "desktop_fixture.h"
#include "qt/main_window.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

namespace {

// The program's mount table is a file in the test folder, which these tests write.
class MountedPlayersTest : public DesktopFixture {
protected:
    MountedPlayersTest() { mount({}); }

    std::string tableFile() const { return (folder.path() / "mountinfo").string(); }

    void mount(const QStringList& points)
    {
        std::string table = "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n";
        for (const QString& point : points)
            table += "40 22 8:17 / " + point.toStdString() + " rw,nosuid shared:7 - vfat /dev/sdb1 rw\n";
        ASSERT_TRUE(dw::writeFile(tableFile(), dw::Bytes(table.begin(), table.end())));
    }

    // The next second: the desktop's look at the mounts, then the controller's tick.
    void tick()
    {
        desktop->mountedPlayers().check();
        desktop->controller().doChecks();
    }

    // The players' entries (those with a mount point) as "Open NAME @ tooltip".
    QStringList openActions() const
    {
        QStringList texts;
        for (QAction* action : fileMenu()->actions())
            if (!action->statusTip().isEmpty())
                texts.append(action->text() + QStringLiteral(" @ ") + action->toolTip());
        return texts;
    }

    QMenu* fileMenu() const
    {
        for (QAction* action : desktop->interface().mainWindow->menuBar()->actions())
            if (action->text() == QStringLiteral("&File"))
                return action->menu();
        return nullptr;
    }

    QString shownName() const { return widget<QLabel>("corentlyPlaing")->text(); }
};

} // namespace

TEST_F(MountedPlayersTest, TheOnePlayerMountedIsOpenedAtLaunch)
{
    const QString nano = writePlayer("NANO");
    mount({nano});
    desktop->launch();
    EXPECT_EQ(openActions(), QStringList{QStringLiteral("Open NANO @ ") + nano});
    tick();
    EXPECT_EQ(shownName(), "NANO");
}

TEST_F(MountedPlayersTest, APlayerMountedWhileNothingIsOpenIsOpenedAndListed)
{
    desktop->launch();
    tick();
    EXPECT_EQ(openActions(), QStringList{});
    const QString nano = writePlayer("NANO");
    const QString other = writePlayer("My Player");
    mount({nano});
    tick();
    EXPECT_EQ(shownName(), "NANO") << "opened at the tick that saw it mounted";

    // Something is open: a second player is only listed, and is opened from the menu as a drop.
    mount({nano, QString(other).replace(' ', QStringLiteral("\\040"))});
    tick();
    EXPECT_EQ(shownName(), "NANO");
    ASSERT_EQ(openActions(),
              (QStringList{QStringLiteral("Open NANO @ ") + nano, QStringLiteral("Open My Player @ ") + other}));
    fileMenu()->actions().last()->trigger();
    EXPECT_EQ(shownName(), "NANO") << "read at the next tick, as a drop";
    tick();
    EXPECT_EQ(shownName(), "My Player");

    mount({});
    tick();
    EXPECT_EQ(openActions(), QStringList{});
}

TEST_F(MountedPlayersTest, TwoPlayersAtLaunchOpenNeither)
{
    mount({writePlayer("A"), writePlayer("B")});
    desktop->launch();
    tick();
    EXPECT_EQ(openActions().size(), 2);
    EXPECT_EQ(desktop->controller().state.playLists.size(), 0u);
}
