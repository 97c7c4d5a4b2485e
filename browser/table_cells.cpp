#include "browser/table_cells.h"

#include "library/in_media.h"
#include "library/play_list.h"

namespace korvida {
namespace {

// Green marks the item that plays, red an item whose file went missing or whose copy
// failed; red wins.
std::optional<TextColour> nameColour(const InMedia* media, TextColour plain)
{
    if (media == nullptr)
        return std::nullopt;
    if (media->getIsBroken() || media->getCopyFailed())
        return TextColour::Red;
    return media->getIsPlaying() ? TextColour::Green : plain;
}

bool isLibraryEntry(const PlayList* playList)
{
    return playList != nullptr && playList->getIsSubList();
}

} // namespace

RowList rowListOf(BrowserTable table)
{
    switch (table) {
    case BrowserTable::PlayLists:
    case BrowserTable::PlayListsFullScreen: return RowList::PlayLists;
    case BrowserTable::Media:
    case BrowserTable::MediaFullScreen: return RowList::Medias;
    case BrowserTable::Artist:
    case BrowserTable::ArtistFullScreen: return RowList::Artists;
    case BrowserTable::Album:
    case BrowserTable::AlbumFullScreen: return RowList::Albums;
    case BrowserTable::ImportTargets: return RowList::ImportPlayLists;
    case BrowserTable::Genere:
    case BrowserTable::GenereFullScreen:
    case BrowserTable::Other: break;
    }
    return RowList::Generes;
}

BrowserTable twinOf(BrowserTable table)
{
    switch (table) {
    case BrowserTable::Media: return BrowserTable::MediaFullScreen;
    case BrowserTable::MediaFullScreen: return BrowserTable::Media;
    case BrowserTable::Genere: return BrowserTable::GenereFullScreen;
    case BrowserTable::GenereFullScreen: return BrowserTable::Genere;
    case BrowserTable::Artist: return BrowserTable::ArtistFullScreen;
    case BrowserTable::ArtistFullScreen: return BrowserTable::Artist;
    case BrowserTable::Album: return BrowserTable::AlbumFullScreen;
    case BrowserTable::AlbumFullScreen: return BrowserTable::Album;
    case BrowserTable::PlayLists: return BrowserTable::PlayListsFullScreen;
    case BrowserTable::PlayListsFullScreen: return BrowserTable::PlayLists;
    case BrowserTable::ImportTargets:
    case BrowserTable::Other: break;
    }
    return table;
}

std::optional<TextColour> cellTextColour(BrowserTable table, std::string_view columnKey, const InMedia* media,
                                         const PlayList* playList)
{
    switch (table) {
    case BrowserTable::MediaFullScreen:
        return columnKey == "name" ? nameColour(media, TextColour::LightGray) : std::nullopt;
    case BrowserTable::ArtistFullScreen:
    case BrowserTable::AlbumFullScreen:
    case BrowserTable::GenereFullScreen: return TextColour::LightGray;
    case BrowserTable::PlayListsFullScreen: return isLibraryEntry(playList) ? TextColour::Blue : TextColour::LightGray;
    case BrowserTable::Media: return columnKey == "name" ? nameColour(media, TextColour::Black) : std::nullopt;
    case BrowserTable::PlayLists: return isLibraryEntry(playList) ? TextColour::Blue : TextColour::Black;
    case BrowserTable::Genere:
    case BrowserTable::Artist:
    case BrowserTable::Album:
    case BrowserTable::ImportTargets:
    case BrowserTable::Other: break;
    }
    return std::nullopt;
}

} // namespace korvida
