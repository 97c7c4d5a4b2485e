#include "qt/binding/table_header_menu.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>

#include <algorithm>

#include "platform/table_view.h"

namespace korvida::qt {

void addColumnMenu(TableView& table, QTableView* widget)
{
    const auto& columns = table.tableColumns();
    if (std::none_of(columns.begin(), columns.end(), [](const auto& column) { return column->isUserHideable(); }))
        return;
    QHeaderView* header = widget->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(header, &QHeaderView::customContextMenuRequested, header, [&table, header](const QPoint& at) {
        QMenu menu(header);
        for (const auto& column : table.tableColumns()) {
            if (!column->isUserHideable())
                continue;
            QAction* entry = menu.addAction(QString::fromStdString(column->headerTitle()));
            entry->setCheckable(true);
            entry->setChecked(!column->isHidden());
            TableColumn* chosen = column.get();
            QObject::connect(entry, &QAction::toggled, header,
                             [&table, chosen](bool shown) { table.performColumnVisibilityChange(*chosen, !shown); });
        }
        menu.exec(header->mapToGlobal(at));
    });
}

void showHiddenColumns(const TableView& table, QTableView* widget)
{
    const auto& columns = table.tableColumns();
    for (std::size_t section = 0; section < columns.size(); ++section)
        widget->setColumnHidden(static_cast<int>(section), columns[section]->isHidden());
}

} // namespace korvida::qt
