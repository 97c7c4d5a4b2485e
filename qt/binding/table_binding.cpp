// The binding of a table: its rows through a table model, its selection both ways, its
// clicks, header clicks and keys, and the sort arrow of its header.
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include <memory>
#include <set>

#include "qt/binding/binder.h"
#include "qt/binding/mirroring_guard.h"
#include "qt/binding/table_header_menu.h"
#include "qt/binding/table_keys.h"
#include "qt/binding/table_model.h"
#include "qt/binding/view_binding.h"

namespace korvida::qt {

namespace {

// The rows as whole-row ranges, one range for each run of adjacent rows, so that a large
// selection (every row) is one range and not one a row.
QItemSelection rowRanges(const std::set<int>& rows, const QAbstractItemModel& model)
{
    QItemSelection selection;
    const int lastColumn = model.columnCount() - 1;
    for (auto row = rows.begin(); row != rows.end();) {
        const int first = *row;
        int last = first;
        while (++row != rows.end() && *row == last + 1)
            last = *row;
        selection.append(QItemSelectionRange(model.index(first, 0), model.index(last, lastColumn)));
    }
    return selection;
}

// The rows of a whole-row selection, read range by range.
std::set<int> selectedRows(const QItemSelectionModel& selected)
{
    std::set<int> rows;
    for (const QItemSelectionRange& range : selected.selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.insert(rows.end(), row);
    return rows;
}

void showSortArrow(const TableView& table, QHeaderView* header, const DataSourceTableModel& model)
{
    const TableColumn* sorted = table.sortIndicatorColumn();
    for (int section = 0; sorted != nullptr && section < model.columnCount(); ++section) {
        if (model.columnAt(section) != sorted)
            continue;
        header->setSortIndicator(section, table.sortIndicatorAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
        header->setSortIndicatorShown(true);
        return;
    }
    header->setSortIndicatorShown(false);
}

// The table's rows through a table model, its selection both ways, its scrolling and its
// sort arrow.
class TableBinding : public ViewBinding {
public:
    TableBinding(TableView& table, QTableView* widget, FlippedContainer* container)
        : ViewBinding(table, widget, container),
          table(table),
          tableWidget(widget),
          model(new DataSourceTableModel(table, widget))
    {
        widget->setModel(model);
        widget->setSelectionBehavior(QAbstractItemView::SelectRows);
        widget->setSelectionMode(table.allowsMultipleSelection() ? QAbstractItemView::ExtendedSelection
                                                                 : QAbstractItemView::SingleSelection);
        widget->setSortingEnabled(false);
    }

    DataSourceTableModel* tableModel() const { return model; }

    void apply(Change change) override
    {
        switch (change) {
        case Change::Reload:
            model->reload();
            showSelection();
            break;
        case Change::Selection:
            // A selection the user has just made is already on screen; showing it again
            // would disturb a selection still being extended.
            if (!guard.mirroring())
                showSelection();
            break;
        case Change::Scroll:
            if (table.scrolledRow() >= 0 && table.scrolledRow() < model->rowCount())
                tableWidget->scrollTo(model->index(table.scrolledRow(), 0));
            break;
        default: ViewBinding::apply(change);
        }
    }

    // The user's selection becomes the table's, the row they acted on last.
    void userSelected()
    {
        if (guard.mirroring())
            return;
        const auto held = guard.hold();
        std::set<int> rows = selectedRows(*tableWidget->selectionModel());
        const int current = tableWidget->selectionModel()->currentIndex().row();
        if (rows.contains(current)) {
            rows.erase(current);
            table.selectRowIndexes(rows, false);
            table.selectRow(current, true);
        } else {
            table.selectRowIndexes(rows, false);
        }
    }

    void headerClicked(int section)
    {
        if (TableColumn* column = model->columnAt(section))
            table.performHeaderClick(*column);
    }

private:
    void showContent() override
    {
        showSortArrow(table, tableWidget->horizontalHeader(), *model);
        tableWidget->viewport()->update();
    }

    void showSelection()
    {
        const auto held = guard.hold();
        QItemSelectionModel* selected = tableWidget->selectionModel();
        selected->select(rowRanges(table.selectedRowIndexes(), *model), QItemSelectionModel::ClearAndSelect);
        // The view would scroll to its new current row; the table scrolls only when asked
        // (selecting every row leaves the view where it is).
        const bool scrolls = tableWidget->hasAutoScroll();
        tableWidget->setAutoScroll(false);
        if (table.selectedRow() >= 0)
            selected->setCurrentIndex(model->index(table.selectedRow(), 0), QItemSelectionModel::NoUpdate);
        tableWidget->setAutoScroll(scrolls);
    }

    TableView& table;
    QTableView* tableWidget;
    DataSourceTableModel* model; // owned by the widget
    MirroringGuard guard;
};

} // namespace

void Binder::bindTableView(TableView& table, QTableView* widget, FlippedContainer* container)
{
    auto binding = attach(table, widget, std::make_shared<TableBinding>(table, widget, container),
                          {Change::Reload, Change::Frame, Change::Visibility, Change::Content});
    DataSourceTableModel* model = binding->tableModel();
    for (const auto& column : table.tableColumns()) {
        column->setObserver([model, widget, &table](Change change) {
            if (change == Change::Visibility)
                showHiddenColumns(table, widget);
            else
                model->refreshHeaders();
        });
        bound.append(column.get());
    }
    showHiddenColumns(table, widget);
    addColumnMenu(table, widget);
    connect(widget->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [binding] { binding->userSelected(); });
    connect(widget, &QTableView::clicked, this, [&table] { table.performClick(); });
    connect(widget, &QTableView::doubleClicked, this, [&table] { table.performDoubleClick(); });
    new TableKeys(widget, table.allowsMultipleSelection() ? std::function<void()>() : std::function<void()>([&table] {
                      table.performClick();
                  }));
    widget->horizontalHeader()->setSectionsClickable(true);
    connect(widget->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [binding](int section) { binding->headerClicked(section); });
}

} // namespace korvida::qt
