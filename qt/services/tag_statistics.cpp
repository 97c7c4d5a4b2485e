#include "qt/services/tag_statistics.h"

#include <QFile>
#include <QFileInfo>

#include <taglib/fileref.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tpropertymap.h>

namespace korvida::qt {

namespace {

constexpr const char* kRatingName = "FMPS_Rating";
constexpr const char* kPlayCountName = "FMPS_Playcount";

using Texts = std::initializer_list<std::pair<const char*, const std::optional<std::string>*>>;

TagLib::String tagText(const std::string& text)
{
    return TagLib::String(text, TagLib::String::UTF8);
}

// One user text frame a name, replacing one of the same name.
bool writeId3(const std::string& path, Texts texts)
{
    TagLib::MPEG::File file(path.c_str(), false);
    if (!file.isValid())
        return false;
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
    for (const auto& [name, text] : texts) {
        if (!*text)
            continue;
        if (auto* old = TagLib::ID3v2::UserTextIdentificationFrame::find(tag, name))
            tag->removeFrame(old);
        auto* frame = new TagLib::ID3v2::UserTextIdentificationFrame(TagLib::String::UTF8);
        frame->setDescription(name);
        frame->setText(tagText(**text));
        tag->addFrame(frame);
    }
    // The tag keeps its version (players of that time read 2.3 best); nothing else changes.
    const auto version = tag->header()->majorVersion() == 3 ? TagLib::ID3v2::v3 : TagLib::ID3v2::v4;
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripNone, version, TagLib::File::DoNotDuplicate);
}

bool writeMp4(const std::string& path, Texts texts)
{
    TagLib::MP4::File file(path.c_str(), false);
    if (!file.isValid() || file.tag() == nullptr)
        return false;
    for (const auto& [name, text] : texts)
        if (*text)
            file.tag()->setItem(TagLib::String("----:com.apple.iTunes:") + name,
                                TagLib::MP4::Item(TagLib::StringList(tagText(**text))));
    return file.save();
}

bool writeProperties(const std::string& path, Texts texts)
{
    TagLib::FileRef file(path.c_str(), false);
    if (file.isNull())
        return false;
    TagLib::PropertyMap properties = file.file()->properties();
    for (const auto& [name, text] : texts)
        if (*text)
            properties.replace(TagLib::String(name).upper(), TagLib::StringList(tagText(**text)));
    file.file()->setProperties(properties);
    return file.save();
}

} // namespace

bool TagLibStatisticsWriter::writeStatisticsTags(const std::string& path, const StatisticsTagTexts& texts)
{
    const Texts named = {{kRatingName, &texts.rating}, {kPlayCountName, &texts.playCount}};
    const QString suffix = QFileInfo(QFile::decodeName(path.c_str())).suffix().toLower();
    if (suffix == QLatin1String("mp3"))
        return writeId3(path, named);
    if (suffix == QLatin1String("m4a") || suffix == QLatin1String("m4b") || suffix == QLatin1String("m4p") ||
        suffix == QLatin1String("mp4") || suffix == QLatin1String("m4v") || suffix == QLatin1String("aac"))
        return writeMp4(path, named);
    return writeProperties(path, named);
}

} // namespace korvida::qt
