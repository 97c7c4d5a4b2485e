#include <QBuffer>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "qt/services/qt_images.h"
#include "qt/services/qt_movies.h"
#include "qt/services/tag_cover.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"
#include "wait_for.h"

using korvida::qt::QtImages;
using korvida::qt::QtMovies;
using korvida::qt::QtResources;

namespace {

QString pathIn(const TempDir& folder, const char* name)
{
    return QString::fromStdString((folder.path() / name).string());
}

} // namespace

TEST(QtServicesTest, EveryPictureOfTheControlsIsAResourceUnderItsNameAndType)
{
    QtImages images;
    const std::vector<std::pair<std::string, std::string>> pictures = {{"PlayControllPanel", "gif"},
                                                                       {"PauseControllPanel", "gif"},
                                                                       {"FastForwardControllPanel", "gif"},
                                                                       {"FastBackControllPanel", "gif"},
                                                                       {"FastForwardControllPanelDown", "gif"},
                                                                       {"FastBackControllPanelDown", "gif"},
                                                                       {"BackControllPanel", "gif"},
                                                                       {"NextControllPanel", "gif"},
                                                                       {"Window", "png"},
                                                                       {"FullScreen", "png"},
                                                                       {"DropiPod", "png"},
                                                                       {"BlackImage", "jpg"}};
    for (const auto& [name, type] : pictures) {
        const auto image = images.imageNamed(name, type);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_GT(image->naturalSize().width, 0.0f) << name;
    }
    EXPECT_EQ(images.imageNamed("DropiPod", "gif"), nullptr) << "the type is part of the name";
}

TEST(QtServicesTest, ResourcesComeOutAsWholeFiles)
{
    TempDir folder;
    QtResources resources(pathIn(folder, "cache"));
    const auto sound = resources.pathForResource("Opstart", "mp3");
    ASSERT_TRUE(sound.has_value());
    QFile copied(QString::fromStdString(*sound));
    QFile original(QStringLiteral(":/Opstart.mp3"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), original.readAll());

    // A damaged copy is replaced; the home page carries the version.
    copied.close();
    ASSERT_TRUE(QFile::resize(QString::fromStdString(*sound), 10));
    EXPECT_EQ(resources.pathForResource("Opstart", "mp3"), sound);
    EXPECT_EQ(QFile(QString::fromStdString(*sound)).size(), original.size());
    const auto page = resources.pathForResource("HomePage", "html");
    ASSERT_TRUE(page.has_value());
    QFile html(QString::fromStdString(*page));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("Version "));
    EXPECT_FALSE(resources.pathForResource("Opstart", "wav").has_value());
}

TEST(QtServicesTest, PicturesDecodeFromBytesWithTrailingDataAndFromFiles)
{
    QImage square(40, 30, QImage::Format_RGB32);
    square.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    square.save(&buffer, "PNG");
    std::vector<std::uint8_t> bytes(png.begin(), png.end());
    bytes.insert(bytes.end(), 300, 0xAB); // the rest of a tune's file

    QtImages images;
    const auto decoded = images.imageWithData(bytes);
    ASSERT_NE(decoded, nullptr);
    EXPECT_EQ(decoded->naturalSize(), (korvida::Size{40.0f, 30.0f}));
    EXPECT_EQ(images.imageWithData({1, 2, 3}), nullptr);
    EXPECT_EQ(images.imageWithContentsOfFile("/no/such/picture.png"), nullptr);
}

TEST(QtServicesTest, PlayersAndTunesAlwaysHaveAPictureToShow)
{
    TempDir folder;
    ASSERT_TRUE(korvida::devicewriter::writeDevice(folder.path() / "IPOD", {}));
    QtImages images;
    EXPECT_NE(images.iconForFile((folder.path() / "IPOD").string()), nullptr);
    EXPECT_NE(images.iconForFile(KORVIDA_SOURCE_DIR "/demo/assets/music/snowfall.mp3"), nullptr);
}

TEST(QtServicesTest, TunesStillPicturesAndUnreadableFilesAsMovies)
{
    TempDir folder;
    QtResources resources(pathIn(folder, "cache"));
    QtMovies movies;

    const auto tune = movies.openMovie(*resources.pathForResource("Opstart", "mp3"));
    ASSERT_NE(tune, nullptr);
    EXPECT_EQ(tune->getMovieTimeScale(), 1000);
    // Opening returns at once; the duration follows from the player, and is announced.
    bool announced = false;
    tune->setInfoHandler([&] { announced = true; });
    ASSERT_TRUE(waitFor([&] { return tune->hasDuration(); }));
    EXPECT_TRUE(announced);
    EXPECT_GT(tune->getMovieDuration(), 1000);
    EXPECT_EQ(tune->getMovieNaturalBoundsRect(), korvida::Rect{}) << "a tune has no picture";
    EXPECT_EQ(tune->rate(), 0.0f);
    tune->start();
    EXPECT_EQ(tune->rate(), 1.0f);
    tune->setRate(-6.0f);
    EXPECT_EQ(tune->rate(), -6.0f);
    tune->stop();
    EXPECT_EQ(tune->rate(), 0.0f);

    const QString photo = pathIn(folder, "photo.jpg");
    QImage(64, 48, QImage::Format_RGB32).save(photo, "JPG");
    const auto still = movies.openMovie(photo.toStdString());
    ASSERT_NE(still, nullptr);
    EXPECT_EQ(still->getMovieNaturalBoundsRect(), korvida::makeRect(0.0f, 0.0f, 64.0f, 48.0f));
    EXPECT_EQ(still->getMovieDuration(), 0);

    const QString text = pathIn(folder, "notes.mp3");
    korvida::devicewriter::writeFile(text.toStdString(), {'n', 'o', 't', ' ', 'a', ' ', 't', 'u', 'n', 'e'});
    const auto notes = movies.openMovie(text.toStdString());
    ASSERT_NE(notes, nullptr);
    ASSERT_TRUE(waitFor([&] { return notes->failed(); }));
    EXPECT_EQ(movies.openMovie(pathIn(folder, "missing.mp3").toStdString()), nullptr);
}

TEST(QtServicesTest, AFilmKnowsItsNaturalSize)
{
    QtMovies movies;
    const auto film = movies.openMovie(KORVIDA_SOURCE_DIR "/demo/assets/movies/sunrise.m4v");
    ASSERT_NE(film, nullptr);
    ASSERT_TRUE(waitFor([&] { return film->hasDuration() && film->getMovieNaturalBoundsRect().size.width > 0; }));
    EXPECT_EQ(film->getMovieNaturalBoundsRect(), korvida::makeRect(0.0f, 0.0f, 320.0f, 240.0f));
    EXPECT_GT(film->getMovieDuration(), 0);
    film->setMovieTimeValue(500);
    EXPECT_EQ(film->getMovieTime(), 500);
}

TEST(QtServicesTest, AnM4aCoverComesFromTheTagLibrary)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage(40, 30, QImage::Format_RGB32).save(&buffer, "JPG");

    // The atoms that hold an M4A file's cover: moov, udta, meta (version and flags first),
    // ilst, covr, and its data atom (type 13, a JPEG).
    const auto bigEndian = [](qsizetype value) {
        QByteArray bytes;
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.append(static_cast<char>((value >> shift) & 0xff));
        return bytes;
    };
    const auto atom = [&](const char* name, const QByteArray& payload) {
        return bigEndian(payload.size() + 8) + name + payload;
    };
    const QByteArray data = atom("data", bigEndian(13) + bigEndian(0) + jpeg);
    const QByteArray tune = atom("ftyp", QByteArray("M4A ") + bigEndian(0) + "M4A isom") +
        atom("moov", atom("udta", atom("meta", bigEndian(0) + atom("ilst", atom("covr", data)))));
    const std::vector<std::uint8_t> bytes(tune.begin(), tune.end());
    const korvida::MemoryByteSource file(bytes);

    korvida::CoverRequest request;
    request.path = "T.M4A";
    request.fileType = "M4A";
    const auto cover = korvida::qt::mp4Cover(request, file);
    ASSERT_TRUE(cover);
    const auto picture = QtImages().imageWithData(*cover);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->naturalSize(), (korvida::Size{40, 30}));
    request.path = "T.mp3";
    request.fileType = "mp3";
    EXPECT_FALSE(korvida::qt::mp4Cover(request, file)) << "not an M4A tune";
}

TEST(QtServicesTest, AHugePictureIsDecodedScaledDown)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage huge(4096, 2048, QImage::Format_RGB32);
    huge.fill(Qt::green);
    huge.save(&buffer, "PNG");
    const auto picture = QtImages().imageWithData(std::vector<std::uint8_t>(png.begin(), png.end()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->naturalSize(), (korvida::Size{1024, 512}));
}

TEST(QtServicesTest, FastBackVisiblyGoesBack)
{
    QtMovies movies;
    const auto tune = movies.openMovie(KORVIDA_SOURCE_DIR "/demo/assets/music/harbour_bells.mp3");
    ASSERT_NE(tune, nullptr);
    tune->start();
    ASSERT_TRUE(waitFor([&] { return tune->getMovieTime() > 1500; }));
    tune->setRate(-6.0f);
    const auto from = tune->getMovieTime();
    EXPECT_TRUE(waitFor([&] { return tune->getMovieTime() < from - 500; }));
    tune->setRate(1.0f);
    EXPECT_EQ(tune->rate(), 1.0f);
}
