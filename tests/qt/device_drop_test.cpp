#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QMimeData>
#include <QTableView>
#include <QUrl>

#include "desktop_fixture.h"
#include "qt/single_instance.h"

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

}  // namespace

TEST_F(DeviceDropTest, AFolderDroppedOnThePictureIsReadAtTheNextTick)
{
    desktop->launch();
    const QString player = writePlayer("NANO");
    QMimeData data;
    folderData(data, {player, writePlayer("OTHER")});
    ASSERT_TRUE(dragOnto(widget("inImageView"), data));
    EXPECT_NE(widget<QLabel>("corentlyPlaing")->text(), "NANO") << "a drop reads nothing by itself";

    app().doChecks();
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

TEST(SingleInstanceTest, ASecondStartHandsItsFolderToTheFirst)
{
    const QString serverName = QStringLiteral("korvida-test-%1").arg(QCoreApplication::applicationPid());
    korvida::qt::SingleInstance first(serverName);
    EXPECT_FALSE(first.handToRunning(QStringLiteral("/media/anna/IPOD"), 200)) << "nobody runs yet";

    QStringList received;
    ASSERT_TRUE(first.listen([&received](const QString& folder) { received.append(folder); }));
    korvida::qt::SingleInstance second(serverName);
    EXPECT_TRUE(second.handToRunning(QStringLiteral("/media/anna/Ännas IPOD")));
    QElapsedTimer waited;
    waited.start();
    while (received.isEmpty() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(received, QStringList{QStringLiteral("/media/anna/Ännas IPOD")});
}
