#pragma once

class QTableView;

namespace korvida {
class TableView;
} // namespace korvida

namespace korvida::qt {

// Gives the table's header a menu with one checkable entry for each column the user may show
// and hide; choosing one tells the table. Tables without such columns get no menu.
void addColumnMenu(TableView& table, QTableView* widget);

// Shows or hides the widget's columns as the table's columns are.
void showHiddenColumns(const TableView& table, QTableView* widget);

} // namespace korvida::qt
