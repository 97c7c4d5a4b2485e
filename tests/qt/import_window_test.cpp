#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "../copy/copy_files.h"
#include "desktop_fixture.h"
#include "support/scoped_environment.h"
#include "wait_for.h"

namespace fs = std::filesystem;

namespace {

// The program with a home of its own, whose desktop folders the test names before the
// program starts, and a player holding a film and a tune in a playlist.
class ImportWindowTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    // Starts the program with the desktop's music folder at `music`.
    void launchWithMusicFolder(const fs::path& music)
    {
        fs::create_directories(home / "config");
        std::ofstream(home / "config/user-dirs.dirs") << "XDG_MUSIC_DIR=\"" << music.string() << "\"\n";
        restart();
        desktop->launch();
        widget("mainWindow")->show();
        desktop->openFolder(QString::fromStdString(player.string()));
        app().doChecks();
        ASSERT_EQ(app().mediasVisible.size(), 2u);
        for (const auto& item : app().mediasVisible)
            item->setTaged(true);
        app().state.whereToImport = 1;
    }

    // Copy, then Import in the sheet, as the user clicks them.
    void clickImport()
    {
        qobject_cast<QAbstractButton*>(widget("copy"))->click();
        ASSERT_TRUE(widget("whereToImportPanel")->isVisible());
        qobject_cast<QAbstractButton*>(widget("doImportButton"))->click();
    }

    fs::path home = folder.path() / "home";
    fs::path player = fs::path(writePlayerWithMedia("NANO", true).toStdString());
    ScopedEnvironment homeVariable{"HOME", home.string()};
    ScopedEnvironment configVariable{"XDG_CONFIG_HOME", (home / "config").string()};
};

} // namespace

TEST_F(ImportWindowTest, PlaylistsThatCannotBeWrittenAreToldInTheSummary)
{
    fs::create_directories(home / "Music");
    std::ofstream(home / "Music/Playlists") << "a file, not a folder";
    launchWithMusicFolder(home / "Music");
    clickImport();
    ASSERT_TRUE(waitFor([&] {
        app().doChecks();
        return !app().workerRunning && app().copy->isEnabled();
    }));
    app().doChecks();
    QApplication::processEvents();

    EXPECT_TRUE(fs::exists(home / "Music/Aurora Quartet/Winter/02 Snowfall.mp3"));
    EXPECT_TRUE(widget("copyingTextField")->isVisible());
    EXPECT_EQ(app().copyingTextField->stringValue(),
              "2 copied, 0 skipped, 0 missing, 0 failed; could not write Korvida.m3u8 (Not a directory)");
}

TEST_F(ImportWindowTest, AMusicFolderOnThePlayerIsRefusedWithAnAlert)
{
    launchWithMusicFolder(player / "Music");
    const auto before = treeOf(player);
    QString told;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told = box->text();
            box->accept();
        }
    });
    clickImport();
    EXPECT_EQ(told, "Set the music, videos and pictures folders outside the player");
    EXPECT_FALSE(app().workerRunning);
    EXPECT_EQ(treeOf(player), before);
    EXPECT_TRUE(app().copy->isEnabled());
}
