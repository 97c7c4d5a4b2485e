#pragma once

#include <functional>
#include <span>

#include "browser/table_cells.h"

class MainApp;
class InMedia;

namespace korvida {

class TableView;

// Which of the controller's tables a table view is; tables it does not know are Other.
BrowserTable browserTableOf(const MainApp& app, const TableView& table);
TableView* tableViewOf(const MainApp& app, BrowserTable table);

// Each table of the main window has a twin in full screen that shows the same list: `act`
// is done on both of them.
void onBothTwins(const MainApp& app, BrowserTable table, const std::function<void(TableView&)>& act);

// The twin of a table whose row was just selected selects that row too and shows it.
void followInTwin(const MainApp& app, const TableView& table, int row);

// A table and its twin show a list rebuilt in its own order: no header shows a sort arrow.
void showOwnOrder(const MainApp& app, BrowserTable table);

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
