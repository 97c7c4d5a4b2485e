#include "platform/table_view.h"

#include <algorithm>

namespace korvida {

TableColumn& TableView::addTableColumn(std::unique_ptr<TableColumn> column)
{
    columns.push_back(std::move(column));
    notify(Change::Reload);
    return *columns.back();
}

TableColumn* TableView::tableColumnWithIdentifier(const std::string& identifier) const
{
    const auto found = std::find_if(columns.begin(), columns.end(),
                                    [&](const auto& column) { return column->identifier() == identifier; });
    return found == columns.end() ? nullptr : found->get();
}

int TableView::numberOfRows() const
{
    if (source == nullptr)
        return 0;
    return std::max(0, source->numberOfRowsInTableView(*this));
}

void TableView::selectRow(int row, bool byExtendingSelection)
{
    selectRowIndexes({row}, byExtendingSelection);
}

void TableView::selectRowIndexes(const std::set<int>& rows, bool byExtendingSelection)
{
    const int count = numberOfRows();
    if (!byExtendingSelection || !multipleSelection)
        selection.clear();
    for (const int row : rows) {
        if (row < 0 || row >= count)
            continue;
        if (!multipleSelection)
            selection.clear();
        selection.insert(row);
        lastSelected = row;
    }
    if (selection.empty())
        lastSelected = -1;
    notify(Change::Selection);
}

void TableView::selectAll()
{
    if (!multipleSelection)
        return;
    const int count = numberOfRows();
    selection.clear();
    for (int row = 0; row < count; ++row)
        selection.insert(row);
    lastSelected = count > 0 ? count - 1 : -1;
    notify(Change::Selection);
}

void TableView::deselectAll()
{
    selection.clear();
    lastSelected = -1;
    notify(Change::Selection);
}

void TableView::reloadData()
{
    clampSelection();
    notify(Change::Reload);
}

void TableView::clampSelection()
{
    const int count = numberOfRows();
    selection.erase(selection.lower_bound(count), selection.end());
    if (lastSelected >= count)
        lastSelected = selection.empty() ? -1 : *selection.rbegin();
}

void TableView::setSortIndicator(TableColumn* column, bool ascending)
{
    if (column == indicatorColumn && ascending == indicatorAscending)
        return;
    indicatorColumn = column;
    indicatorAscending = ascending;
    notify(Change::Content);
}

void TableView::scrollRowToVisible(int row)
{
    scrollTarget = row;
    notify(Change::Scroll);
}

void TableView::performClick()
{
    if (clickAction)
        clickAction(*this);
}

void TableView::performDoubleClick()
{
    if (doubleClickAction)
        doubleClickAction(*this);
}

void TableView::performHeaderClick(TableColumn& column)
{
    if (headerClickAction)
        headerClickAction(*this, column);
}

void TableView::performColumnVisibilityChange(TableColumn& column, bool hidden)
{
    column.setHidden(hidden);
    if (columnVisibilityAction)
        columnVisibilityAction(*this, column);
}

} // namespace korvida
