#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/table_column.h"
#include "platform/table_data_source.h"
#include "platform/view.h"

namespace korvida {

// A table: its columns, the data source that answers for its rows, and the selected rows.
// The selection never holds a row that does not exist: selecting one is ignored and a
// reload drops the rows that have gone.
class TableView : public View {
public:
    using Action = std::function<void(TableView&)>;
    using HeaderAction = std::function<void(TableView&, TableColumn&)>;

    TableColumn& addTableColumn(std::unique_ptr<TableColumn> column);
    const std::vector<std::unique_ptr<TableColumn>>& tableColumns() const { return columns; }
    TableColumn* tableColumnWithIdentifier(const std::string& identifier) const;

    TableDataSource* dataSource() const { return source; }
    void setDataSource(TableDataSource* value) { source = value; }

    int numberOfRows() const;

    bool allowsMultipleSelection() const { return multipleSelection; }
    void setAllowsMultipleSelection(bool value) { multipleSelection = value; }

    // The row selected last, or -1 when nothing is selected.
    int selectedRow() const { return lastSelected; }
    const std::set<int>& selectedRowIndexes() const { return selection; }
    int numberOfSelectedRows() const { return static_cast<int>(selection.size()); }
    bool isRowSelected(int row) const { return selection.contains(row); }

    void selectRow(int row, bool byExtendingSelection);
    void selectRowIndexes(const std::set<int>& rows, bool byExtendingSelection);
    void selectAll();
    void deselectAll();

    void reloadData();
    void scrollRowToVisible(int row);

    // The column whose header shows the sort arrow and the order it shows, or no column
    // while the list is in an order of its own.
    TableColumn* sortIndicatorColumn() const { return indicatorColumn; }
    bool sortIndicatorAscending() const { return indicatorAscending; }
    void setSortIndicator(TableColumn* column, bool ascending);
    // The row last asked to be scrolled into view, -1 before any.
    int scrolledRow() const { return scrollTarget; }

    void setAction(Action value) { clickAction = std::move(value); }
    void setDoubleAction(Action value) { doubleClickAction = std::move(value); }
    void setHeaderAction(HeaderAction value) { headerClickAction = std::move(value); }
    void setColumnVisibilityAction(HeaderAction value) { columnVisibilityAction = std::move(value); }

    // The user's clicks, sent after the binding has set the selection they made.
    void performClick();
    void performDoubleClick();
    void performHeaderClick(TableColumn& column);
    // The user showed or hid a column from the header's menu.
    void performColumnVisibilityChange(TableColumn& column, bool hidden);

private:
    void clampSelection();

    std::vector<std::unique_ptr<TableColumn>> columns;
    TableDataSource* source = nullptr;
    std::set<int> selection;
    Action clickAction;
    Action doubleClickAction;
    HeaderAction headerClickAction;
    HeaderAction columnVisibilityAction;
    TableColumn* indicatorColumn = nullptr;
    bool indicatorAscending = true;
    int lastSelected = -1;
    int scrollTarget = -1;
    bool multipleSelection = false;
};

} // namespace korvida
