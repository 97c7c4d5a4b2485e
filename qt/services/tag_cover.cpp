#include "qt/services/tag_cover.h"

#include <QFileInfo>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>

namespace korvida::qt {

namespace {

QByteArray toBytes(const TagLib::ByteVector& data)
{
    return QByteArray(data.data(), static_cast<qsizetype>(data.size()));
}

QByteArray id3Cover(const QString& path)
{
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::ID3v2::Tag* tag = file.isValid() ? file.ID3v2Tag() : nullptr;
    if (tag == nullptr)
        return {};
    const TagLib::ID3v2::FrameList frames = tag->frameListMap()["APIC"];
    QByteArray first;
    for (TagLib::ID3v2::Frame* frame : frames) {
        auto* picture = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (picture == nullptr)
            continue;
        if (picture->type() == TagLib::ID3v2::AttachedPictureFrame::FrontCover)
            return toBytes(picture->picture());
        if (first.isEmpty())
            first = toBytes(picture->picture());
    }
    return first;
}

QByteArray mp4Cover(const QString& path)
{
    TagLib::MP4::File file(QFile::encodeName(path).constData(), false);
    TagLib::MP4::Tag* tag = file.isValid() ? file.tag() : nullptr;
    if (tag == nullptr || !tag->contains("covr"))
        return {};
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    return covers.isEmpty() ? QByteArray() : toBytes(covers.front().data());
}

} // namespace

QByteArray readEmbeddedCover(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return id3Cover(path);
    if (suffix == QLatin1String("m4a") || suffix == QLatin1String("m4b") || suffix == QLatin1String("m4p") ||
        suffix == QLatin1String("mp4") || suffix == QLatin1String("aac"))
        return mp4Cover(path);
    return {};
}

} // namespace korvida::qt
