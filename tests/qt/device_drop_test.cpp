#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtEndian>

#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QUrl>
#include <sys/stat.h>

#include <filesystem>

#include "app/path_text.h"
#include "desktop_fixture.h"
#include "qt/single_instance.h"
#include "wait_for.h"

namespace {

class DeviceDropTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    // Drags the data onto the widget as the file manager would: it enters, then drops.
    // Answers whether the drop was taken.
    static bool dragOnto(QWidget* target, QMimeData& data)
    {
        const QPoint middle = target->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted()) << "every drag is offered the copy operation";
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    static void folderData(QMimeData& data, const QStringList& folders)
    {
        QList<QUrl> urls;
        for (const QString& folder : folders)
            urls.append(QUrl::fromLocalFile(folder));
        data.setUrls(urls);
    }
};

} // namespace

TEST_F(DeviceDropTest, AFolderDroppedOnThePictureIsReadOnTheNextTurn)
{
    desktop->launch();
    const QString player = writePlayer("NANO");
    QMimeData data;
    folderData(data, {player, writePlayer("OTHER")});
    ASSERT_TRUE(dragOnto(widget("inImageView"), data));
    EXPECT_NE(widget<QLabel>("corentlyPlaing")->text(), "NANO") << "a drop reads nothing by itself";

    QCoreApplication::processEvents(); // the turn after the drop, long before the tick
    EXPECT_EQ(widget<QLabel>("corentlyPlaing")->text(), "NANO") << "the first of the folders is opened";
    EXPECT_EQ(widget("mainWindow")->windowTitle(), "NANO");
    EXPECT_EQ(widget<QTableView>("mediaTableView")->model()->rowCount(), 2);
}

TEST_F(DeviceDropTest, TheMovieViewTakesFoldersAndADragWithoutFilesIsRefused)
{
    QMimeData text;
    text.setText(QStringLiteral("/not/a/file/list"));
    text.setUrls({QUrl(QStringLiteral("https://example.org/player"))});
    EXPECT_FALSE(dragOnto(widget("inImageView"), text));
    EXPECT_FALSE(app().state.iPodDropped);

    const QString player = writePlayer("CLASSIC");
    QMimeData data;
    folderData(data, {player});
    EXPECT_TRUE(dragOnto(widget("mainMovieView"), data));
    EXPECT_TRUE(app().state.iPodDropped);
    EXPECT_EQ(app().state.iPodPath, player.toStdString());
}

TEST_F(DeviceDropTest, AFolderOpenedFromOutsideIsADropOnTheIcon)
{
    const QString player = writePlayer("SHUFFLE");
    desktop->openFolder(player + QStringLiteral("/"));
    EXPECT_TRUE(app().state.iPodDropped);
    EXPECT_EQ(app().state.iPodPath, player.toStdString()) << "the path is made absolute and clean";
}

TEST_F(DeviceDropTest, APlayerWhoseFolderNameIsNotUtf8OpensByDropAndByName)
{
    desktop->launch();
    writePlayer("\xff\xfePOD");
    ASSERT_TRUE(std::filesystem::is_directory(folder.path() / "\xff\xfePOD")) << "written under its bytes";
    const std::string bytes = (folder.path() / "\xff\xfePOD").string();
    QMimeData data;
    data.setUrls({QUrl::fromEncoded(QByteArray::fromStdString(korvida::fileUrlForPath(bytes)))});
    ASSERT_TRUE(dragOnto(widget("inImageView"), data));
    EXPECT_EQ(app().state.iPodPath, bytes);
    app().doChecks();
    EXPECT_EQ(widget<QTableView>("mediaTableView")->model()->rowCount(), 2);

    app().state.iPodDropped = false;
    app().state.iPodPath.clear();
    desktop->openFolder(bytes + "/");
    EXPECT_EQ(app().state.iPodPath, bytes);
}

TEST(SingleInstanceTest, ASecondStartHandsItsFolderToTheFirst)
{
    const QString serverName = QStringLiteral("korvida-test-%1").arg(QCoreApplication::applicationPid());
    korvida::qt::SingleInstance first(serverName);
    EXPECT_FALSE(first.handToRunning("/media/anna/IPOD", 200)) << "nobody runs yet";

    std::vector<std::string> received;
    ASSERT_TRUE(first.listen([&received](const std::string& folder) { received.push_back(folder); }));
    korvida::qt::SingleInstance second(serverName);
    EXPECT_TRUE(second.handToRunning("/media/anna/Ännas IPOD"));
    EXPECT_TRUE(second.handToRunning("/media/anna/\xff\xfeIPOD")) << "a name that is not UTF-8 goes as its bytes";
    ASSERT_TRUE(waitFor([&] { return received.size() == 2; }));
    EXPECT_EQ(received, (std::vector<std::string>{"/media/anna/Ännas IPOD", "/media/anna/\xff\xfeIPOD"}));
}

TEST_F(DeviceDropTest, ADragWhoseFirstEntryIsNotALocalFolderIsRefused)
{
    desktop->launch();
    const QString player = writePlayer("MINI");
    QMimeData remoteFirst;
    remoteFirst.setUrls({QUrl(QStringLiteral("sftp://host/player")), QUrl::fromLocalFile(player)});
    EXPECT_FALSE(dragOnto(widget("inImageView"), remoteFirst));
    QMimeData fileFirst;
    folderData(fileFirst, {player + QStringLiteral("/iPod_Control/Device/SysInfo"), player});
    EXPECT_FALSE(dragOnto(widget("inImageView"), fileFirst));
    EXPECT_FALSE(app().state.iPodDropped);
}

TEST(SingleInstanceTest, AFolderArrivesWholeAndARelativeOneIsIgnored)
{
    const QString serverName = QStringLiteral("korvida-test-frames-%1").arg(QCoreApplication::applicationPid());
    korvida::qt::SingleInstance first(serverName);
    std::vector<std::string> received;
    ASSERT_TRUE(first.listen([&received](const std::string& folder) { received.push_back(folder); }));

    // Sent by hand: a relative path, which the receiver would open from its own folder.
    QLocalSocket raw;
    raw.connectToServer(serverName);
    ASSERT_TRUE(raw.waitForConnected(1000));
    const QByteArray relative = "iPod/../x";
    QByteArray frame(4, '\0');
    qToBigEndian(static_cast<quint32>(relative.size()), frame.data());
    raw.write(frame + relative);
    raw.waitForBytesWritten(1000);
    raw.disconnectFromServer();

    korvida::qt::SingleInstance second(serverName);
    EXPECT_TRUE(second.handToRunning("/media/anna/a\nb"));
    ASSERT_TRUE(waitFor([&] { return !received.empty(); }));
    EXPECT_EQ(received, std::vector<std::string>{"/media/anna/a\nb"});
}

TEST(SingleInstanceTest, TheSocketLivesInAPrivateRuntimeFolderNamedAfterTheSession)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
    EXPECT_EQ(korvida::qt::SingleInstance::serverNameFor(runtime.path(), QStringLiteral(":1")),
              runtime.path() + QStringLiteral("/korvida-:1.socket"));
    EXPECT_NE(korvida::qt::SingleInstance::serverNameFor(runtime.path(), QStringLiteral(":0")),
              korvida::qt::SingleInstance::serverNameFor(runtime.path(), QStringLiteral(":1")));
    EXPECT_EQ(korvida::qt::SingleInstance::serverNameFor(runtime.path(), QStringLiteral("/run/wl/0")),
              runtime.path() + QStringLiteral("/korvida-_run_wl_0.socket"));

    // Not to be trusted: a folder others may enter, a missing one, none at all.
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
    EXPECT_TRUE(korvida::qt::SingleInstance::serverNameFor(runtime.path(), QStringLiteral(":1")).isEmpty());
    EXPECT_TRUE(
        korvida::qt::SingleInstance::serverNameFor(runtime.path() + QStringLiteral("/none"), QStringLiteral(":1"))
            .isEmpty());
    EXPECT_TRUE(korvida::qt::SingleInstance::serverNameFor(QString(), QStringLiteral(":1")).isEmpty());

    // With no trusted socket a second start does not hand over, and listening fails.
    korvida::qt::SingleInstance untrusted{QString()};
    EXPECT_FALSE(untrusted.handToRunning("/media/x", 100));
    EXPECT_FALSE(untrusted.listen([](const std::string&) {}));
}
