#pragma once

#include <optional>
#include <string_view>

class InMedia;
class PlayList;

// Which list each table shows and which text colour its cells get. The main window's
// media, genre, artist, album and playlist tables each have a full-screen twin that shows
// the same list.
namespace korvida {

enum class BrowserTable {
    Media,
    MediaFullScreen,
    Genere,
    GenereFullScreen,
    Artist,
    ArtistFullScreen,
    Album,
    AlbumFullScreen,
    PlayLists,
    PlayListsFullScreen,
    ImportTargets,
    Other,
};

enum class RowList {
    Medias,
    Generes,
    Artists,
    Albums,
    PlayLists,
    ImportPlayLists
};

enum class TextColour {
    Black,
    LightGray,
    Green,
    Red,
    Blue
};

// A table that is none of the known ones shows the genre rows.
RowList rowListOf(BrowserTable table);

// The table in the other window that shows the same list; the import-target table and
// unknown tables have none (they answer themselves).
BrowserTable twinOf(BrowserTable table);

// The colour of a cell, or none where the cell keeps the colour of the window layout.
// `media` is the row's item in a media table and `playList` the row's playlist in a
// playlist table; either is null when the row does not exist.
std::optional<TextColour> cellTextColour(BrowserTable table, std::string_view columnKey, const InMedia* media,
                                         const PlayList* playList);

} // namespace korvida
