#pragma once

#include <span>

#include "browser/table_cells.h"

class MainApp;
class InMedia;

namespace korvida {

class TableView;

// Which of the controller's tables a table view is; tables it does not know are Other.
BrowserTable browserTableOf(const MainApp& app, const TableView& table);
TableView* tableViewOf(const MainApp& app, BrowserTable table);

// A table and its twin show a list rebuilt in its own order: no header shows a sort arrow.
void showOwnOrder(TableView& table, TableView& twin);

// Both media tables show a new list: no sort arrow, no selection, reloaded.
void deselectAndReloadMediaTables(MainApp& app);
void reloadMediaTables(MainApp& app);

// The play buttons of both windows show pause (something counts as playing) or play.
void showPlayState(MainApp& app, bool playingNow);

// The item count under the media table.
void showFilesCount(MainApp& app);

// The search works within the list on screen now, starting from an empty text.
void takeSearchSnapshot(MainApp& app);

} // namespace korvida
