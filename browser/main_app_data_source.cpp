// The controller as the data source of every table: the list a table shows, the value of
// a cell by its column's key, edits of the media and import-target tables, and text colours.
#include "app/main_app.h"
#include "browser/main_app_browser_views.h"
#include "browser/record_keys.h"

using korvida::BrowserTable;
using korvida::CellValue;
using korvida::RowList;
using korvida::TableColumn;
using korvida::TableView;

namespace {

// The entry `row` of a list, or null for a row the list does not have.
template <class List>
auto entryAt(const List& list, int row) -> decltype(&*list[0])
{
    if (row < 0 || static_cast<std::size_t>(row) >= list.size())
        return nullptr;
    return &*list[row];
}

template <class Row>
const Row* rowAt(const std::vector<Row>& rows, int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return nullptr;
    return &rows[row];
}

template <class Record>
CellValue valueOf(const Record* record, const TableColumn& column)
{
    return record != nullptr ? korvida::valueForKey(*record, column.identifier()) : CellValue();
}

korvida::Color colorOf(korvida::TextColour colour)
{
    switch (colour) {
    case korvida::TextColour::Black: return korvida::Color::blackColor();
    case korvida::TextColour::LightGray: return korvida::Color::lightGrayColor();
    case korvida::TextColour::Green: return korvida::Color::greenColor();
    case korvida::TextColour::Red: return korvida::Color::redColor();
    case korvida::TextColour::Blue: return korvida::Color::blueColor();
    }
    return korvida::Color::blackColor();
}

} // namespace

int MainApp::numberOfRowsInTableView(const TableView& table)
{
    std::size_t count = 0;
    switch (korvida::rowListOf(korvida::browserTableOf(*this, table))) {
    case RowList::Medias: count = medias.size(); break;
    case RowList::Generes: count = generes.size(); break;
    case RowList::Artists: count = artists.size(); break;
    case RowList::Albums: count = albums.size(); break;
    case RowList::PlayLists: count = state.playLists.size(); break;
    case RowList::ImportPlayLists: count = state.iTunesImportPlaylists.size(); break;
    }
    return static_cast<int>(count);
}

CellValue MainApp::tableViewObjectValueForTableColumn(const TableView& table, const TableColumn& column, int row)
{
    switch (korvida::rowListOf(korvida::browserTableOf(*this, table))) {
    case RowList::Medias: return valueOf(entryAt(medias, row), column);
    case RowList::Generes: return valueOf(rowAt(generes, row), column);
    case RowList::Artists: return valueOf(rowAt(artists, row), column);
    case RowList::Albums: return valueOf(rowAt(albums, row), column);
    case RowList::PlayLists: return valueOf(entryAt(state.playLists, row), column);
    case RowList::ImportPlayLists: return valueOf(entryAt(state.iTunesImportPlaylists, row), column);
    }
    return {};
}

void MainApp::tableViewSetObjectValueForTableColumnRow(const TableView& table, const CellValue& value,
                                                       const TableColumn& column, int row)
{
    switch (korvida::browserTableOf(*this, table)) {
    case BrowserTable::Media:
    case BrowserTable::MediaFullScreen:
        if (InMedia* media = entryAt(medias, row)) {
            korvida::takeValueForKey(*media, column.identifier(), value);
            // The line of tagged counts follows every tick of a check box.
            if (column.identifier() == "taged")
                showTagCount();
        }
        break;
    case BrowserTable::ImportTargets:
        if (PlayList* playList = entryAt(state.iTunesImportPlaylists, row))
            korvida::takeValueForKey(*playList, column.identifier(), value);
        break;
    default: break;
    }
}

void MainApp::tableViewWillDisplayCell(const TableView& table, korvida::TableCell& cell, const TableColumn& column,
                                       int row)
{
    const BrowserTable kind = korvida::browserTableOf(*this, table);
    const RowList list = korvida::rowListOf(kind);
    const InMedia* media = list == RowList::Medias ? entryAt(medias, row) : nullptr;
    const PlayList* playList = list == RowList::PlayLists ? entryAt(state.playLists, row) : nullptr;
    if (const auto colour = korvida::cellTextColour(kind, column.identifier(), media, playList))
        cell.setTextColor(colorOf(*colour));
}

void MainApp::updateUI()
{
    for (TableView* table :
         {genereTableView.get(), artistTableView.get(), albumTableView.get(), mediaTableView.get(),
          playListsTableView.get(), playListTableViewFullScreen.get(), genereTableViewFullScreen.get(),
          artistTableViewFullScreen.get(), albumTableViewFullScreen.get(), mediaTableViewFullScreen.get()})
        table->reloadData();
}

void MainApp::updateMediaTableView()
{
    korvida::reloadMediaTables(*this);
}
