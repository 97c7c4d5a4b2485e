#include "qt/services/qt_images.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvida::qt {

namespace {

// Icons are asked for at this size; the picture area scales them further.
constexpr int kIconSize = 256;
// A themed icon smaller than this would look blurred in the picture area.
constexpr int kSmallestSharpIcon = 96;

QString resourcePath(const std::string& name, const std::string& type)
{
    return QStringLiteral(":/") + QString::fromStdString(name) + QLatin1Char('.') + QString::fromStdString(type);
}

QImage largestPixmap(const QIcon& icon)
{
    if (icon.isNull())
        return {};
    const QSize size = icon.actualSize(QSize(kIconSize, kIconSize));
    if (size.width() < kSmallestSharpIcon)
        return {};
    return icon.pixmap(size).toImage();
}

} // namespace

const QImage* qImageOf(const Image& image)
{
    return static_cast<const QImage*>(image.platformImage().get());
}

std::shared_ptr<Image> makeImage(QImage pixels)
{
    if (pixels.isNull())
        return nullptr;
    // Sizes are in points; a high-density picture reports its size in points too.
    const QSizeF points = pixels.deviceIndependentSize();
    const Size natural{static_cast<float>(points.width()), static_cast<float>(points.height())};
    return std::make_shared<Image>(natural, std::make_shared<const QImage>(std::move(pixels)));
}

std::shared_ptr<Image> QtImages::imageNamed(const std::string& name, const std::string& type)
{
    return makeImage(QImage(resourcePath(name, type)));
}

std::shared_ptr<Image> QtImages::imageWithData(const std::vector<std::uint8_t>& bytes)
{
    // A cover picture is given with whatever follows it in the file; the decoder stops at
    // the picture's own end.
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.width() > kLargestDecodedSide || size.height() > kLargestDecodedSide)
        reader.setScaledSize(size.scaled(kLargestDecodedSide, kLargestDecodedSide, Qt::KeepAspectRatio));
    return makeImage(reader.read());
}

std::shared_ptr<Image> QtImages::imageWithContentsOfFile(const std::string& path)
{
    return makeImage(QImage(QString::fromStdString(path)));
}

std::shared_ptr<Image> QtImages::iconForFile(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    // A player's folder shows as a player, as file managers show a mounted one: the theme's
    // player icon, or the program's own picture of one.
    if (QFileInfo(QDir(info.filePath()).filePath(QStringLiteral("iPod_Control"))).isDir()) {
        QImage player = largestPixmap(QIcon::fromTheme(QStringLiteral("multimedia-player")));
        return makeImage(player.isNull() ? QImage(QStringLiteral(":/korvida.png")) : std::move(player));
    }
    QImage icon = largestPixmap(QFileIconProvider().icon(info));
    // A tune shows this icon in the picture area while it plays: without a sharp themed
    // one, the program's own tune picture stands in.
    if (icon.isNull() && QMimeDatabase().mimeTypeForFile(info).name().startsWith(QLatin1String("audio/")))
        icon = QImage(QStringLiteral(":/Tune.png"));
    return makeImage(std::move(icon));
}

QtResources::QtResources(QString folder) : cacheFolder(std::move(folder))
{}

QString QtResources::defaultCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/resources");
}

std::optional<std::string> QtResources::pathForResource(const std::string& name, const std::string& type)
{
    QFile resource(resourcePath(name, type));
    if (!resource.exists() || !QDir().mkpath(cacheFolder))
        return std::nullopt;
    const QString target = QDir(cacheFolder).filePath(QFileInfo(resource.fileName()).fileName());
    if (!resource.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = resource.readAll();
    QFile existing(target);
    // A copy that is already there is kept while it matches this program's resource.
    if (!existing.open(QIODevice::ReadOnly) || existing.readAll() != content) {
        existing.close();
        // QSaveFile writes beside the target and renames, so a half-written copy is never used.
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit())
            return std::nullopt;
    }
    return target.toStdString();
}

} // namespace korvida::qt
