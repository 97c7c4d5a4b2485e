#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QUrl>

#include <filesystem>

#include "desktop_fixture.h"
#include "qt/mpris/controller_media.h"
#include "qt/services/qt_images.h"
#include "support/tune_player.h"
#include "wait_for.h"

namespace {

QByteArray bigEndian(qsizetype value)
{
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(static_cast<char>((value >> shift) & 0xff));
    return bytes;
}

QByteArray syncsafe(qsizetype value)
{
    QByteArray bytes;
    for (int shift = 21; shift >= 0; shift -= 7)
        bytes.append(static_cast<char>((value >> shift) & 0x7f));
    return bytes;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The real program on a player of one tune, file F00/T100.mp3, whose bytes the test gives.
class CoverWindowTest : public DesktopFixture {
protected:
    MainApp& app() { return desktop->controller(); }

    void playTune(const QByteArray& bytes)
    {
        const auto root = folder.path() / "PLAYER";
        ASSERT_TRUE(korvida::devicewriter::writeDevice(root, tunePlayer({"Tune"})));
        const auto tune = root / "iPod_Control/Music/F00/T100.mp3";
        std::filesystem::create_directories(tune.parent_path());
        QFile file(QString::fromStdString(tune.string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
        ASSERT_EQ(app().medias.size(), 1u);
        app().mediaTableView->selectRow(0, false);
        app().playing = false;
        app().playButton(nullptr);
        ASSERT_TRUE(app().playing);
    }
};

} // namespace

TEST_F(CoverWindowTest, ACompressedCoverIsNeverInflated)
{
    // An ID3v2.3 picture frame flagged compressed: about 20 KB that inflate to an 18 MB
    // picture. qCompress gives the inflated size in 4 big-endian bytes, then the zlib stream:
    // the layout of a compressed frame's data.
    QImage red(3000, 2000, QImage::Format_RGB888);
    red.fill(Qt::red);
    const QByteArray body = QByteArray("\0image/bmp\0\3\0", 13) + encoded(red, "BMP");
    const QByteArray deflated = qCompress(body, 9);
    const QByteArray frame = "APIC" + bigEndian(deflated.size()) + QByteArray("\0\x80", 2) + deflated;
    const QByteArray tag = "ID3" + QByteArray("\3\0\0", 3) + syncsafe(frame.size()) + frame;

    // A later source, as the player's own artwork would be, tells that the file gave no cover.
    app().coverLookup.addSource([](const korvida::CoverRequest&, const korvida::ByteSource&) {
        const QByteArray png = encoded(QImage(7, 5, QImage::Format_RGB32), "PNG");
        return std::optional(std::vector<std::uint8_t>(png.begin(), png.end()));
    });
    playTune(tag + QByteArray(4096, '\xff'));
    EXPECT_TRUE(waitFor([&] { return app().inImage && app().inImage->naturalSize() == korvida::Size{7, 5}; }));
    EXPECT_EQ(app().inImageView->image(), app().inImage);
}

TEST(CoverFilesTest, PicturesAreScaledDownNamedByPositionAndGoneAtTheEnd)
{
    TempDir folder;
    const QString covers = QString::fromStdString((folder.path() / "covers").string());
    QDir().mkpath(covers);
    QFile leftover(QDir(covers).filePath(QStringLiteral("cover-55d0c0ffee.png")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    {
        korvida::qt::CoverFiles files(covers);
        EXPECT_FALSE(leftover.exists()) << "an earlier run's picture goes";
        QImage large(2000, 1500, QImage::Format_RGB32);
        large.fill(Qt::blue);
        const auto picture = korvida::qt::makeImage(large);
        QString url;
        ASSERT_TRUE(waitFor([&] { return !(url = files.urlFor(7, picture.get())).isEmpty(); }));
        const QString first = QUrl(url).toLocalFile();
        EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("cover-7-1.png"));
        EXPECT_EQ(QImage(first).size(), QSize(512, 384));

        ASSERT_TRUE(waitFor([&] { return !files.urlFor(8, picture.get()).isEmpty(); }));
        EXPECT_FALSE(QFileInfo::exists(first)) << "one picture at a time";
    }
    EXPECT_TRUE(QDir(covers).entryList(QDir::Files).isEmpty()) << "none is left at the end";
}
