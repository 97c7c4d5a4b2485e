#include "browser/record_keys.h"

#include "browser/statistic_columns.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {
namespace {

// A check box may hand its tick as a flag or as a number.
const bool* asFlag(const CellValue& value, bool& storage)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return flag;
    if (const int* number = std::get_if<int>(&value)) {
        storage = *number != 0;
        return &storage;
    }
    return nullptr;
}

} // namespace

CellValue valueForKey(const InMedia& media, std::string_view key)
{
    if (key == "name")
        return media.getName();
    if (key == "artist")
        return media.getArtist();
    if (key == "album")
        return media.getAlbum();
    if (key == "genere")
        return media.getGenere();
    if (key == "taged")
        return media.getTaged();
    if (key == "fileType")
        return media.getFileType();
    if (key == "info")
        return media.getInfo();
    if (key == "path")
        return media.getPath();
    if (key == "mediaType")
        return media.getMediaType();
    if (key == "tuneOnCdNr")
        return media.getTuneOnCdNr();
    if (const auto statistic = statisticOf(key))
        return statisticValue(media.getStatistics(), *statistic);
    return {};
}

CellValue valueForKey(const PlayList& playList, std::string_view key)
{
    if (key == "listName")
        return playList.getListName();
    if (key == "taged")
        return playList.getTaged();
    if (key == "taggedInPlayList")
        return playList.getTaggedInPlayList();
    if (key == "isSubList")
        return playList.getIsSubList();
    return {};
}

CellValue valueForKey(const Genere& row, std::string_view key)
{
    return key == "genere" ? CellValue(row.getGenere()) : CellValue();
}

CellValue valueForKey(const Artist& row, std::string_view key)
{
    return key == "artist" ? CellValue(row.getArtist()) : CellValue();
}

CellValue valueForKey(const Album& row, std::string_view key)
{
    return key == "album" ? CellValue(row.getAlbum()) : CellValue();
}

void takeValueForKey(InMedia& media, std::string_view key, const CellValue& value)
{
    bool storage = false;
    if (key == "taged") {
        if (const bool* flag = asFlag(value, storage))
            media.setTaged(*flag);
        return;
    }
    const std::string* text = std::get_if<std::string>(&value);
    if (text == nullptr)
        return;
    if (key == "name")
        media.setName(*text);
    else if (key == "artist")
        media.setArtist(*text);
    else if (key == "album")
        media.setAlbum(*text);
    else if (key == "genere")
        media.setGenere(*text);
    else if (key == "info")
        media.setInfo(*text);
}

void takeValueForKey(PlayList& playList, std::string_view key, const CellValue& value)
{
    bool storage = false;
    if (key == "taged") {
        if (const bool* flag = asFlag(value, storage))
            playList.setTaged(*flag);
        return;
    }
    const std::string* text = std::get_if<std::string>(&value);
    if (text == nullptr)
        return;
    if (key == "taggedInPlayList")
        playList.setTaggedInPlayList(*text);
    else if (key == "listName")
        playList.setListName(*text);
}

} // namespace korvida
