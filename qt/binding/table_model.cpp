#include "qt/binding/table_model.h"

#include <QBrush>
#include <QColor>

namespace korvida::qt {

namespace {

QVariant displayed(const CellValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto* number = std::get_if<int>(&value))
        return *number;
    return {};
}

bool ticked(const CellValue& value)
{
    if (const auto* tick = std::get_if<bool>(&value))
        return *tick;
    if (const auto* number = std::get_if<int>(&value))
        return *number != 0;
    return false;
}

// The tables are dark: black, the colour of an ordinary row, is shown in the table's own
// light text colour, and other dark colours (the blue of library entries) are lightened
// until they can be read; light ones are shown as they are.
QVariant readableOnDark(const Color& color)
{
    if (color.red == 0.0f && color.green == 0.0f && color.blue == 0.0f)
        return {};
    QColor shown = QColor::fromRgbF(color.red, color.green, color.blue, color.alpha);
    const double luminance = 0.2126 * color.red + 0.7152 * color.green + 0.0722 * color.blue;
    constexpr double kDarkest = 0.3;
    constexpr double kWhiteShare = 0.45;
    if (luminance < kDarkest) {
        shown = QColor::fromRgbF(color.red + (1.0f - color.red) * kWhiteShare,
                                 color.green + (1.0f - color.green) * kWhiteShare,
                                 color.blue + (1.0f - color.blue) * kWhiteShare, color.alpha);
    }
    return QBrush(shown);
}

} // namespace

DataSourceTableModel::DataSourceTableModel(TableView& table, QObject* parent)
    : QAbstractTableModel(parent), table(table), rows(table.numberOfRows())
{}

int DataSourceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int DataSourceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table.tableColumns().size());
}

TableColumn* DataSourceTableModel::columnAt(int section) const
{
    const auto& columns = table.tableColumns();
    if (section < 0 || section >= static_cast<int>(columns.size()))
        return nullptr;
    return columns[static_cast<std::size_t>(section)].get();
}

bool DataSourceTableModel::isCellOf(const QModelIndex& index) const
{
    return index.isValid() && index.row() < rows && columnAt(index.column()) != nullptr &&
        table.dataSource() != nullptr;
}

QVariant DataSourceTableModel::data(const QModelIndex& index, int role) const
{
    if (!isCellOf(index))
        return {};
    TableDataSource& source = *table.dataSource();
    const TableColumn& column = *columnAt(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (column.kind() == CellKind::CheckBox)
            return {};
        return displayed(source.tableViewObjectValueForTableColumn(table, column, index.row()));
    case Qt::CheckStateRole:
        if (column.kind() != CellKind::CheckBox)
            return {};
        return ticked(source.tableViewObjectValueForTableColumn(table, column, index.row())) ? Qt::Checked
                                                                                             : Qt::Unchecked;
    case Qt::ForegroundRole: {
        TableCell cell;
        source.tableViewWillDisplayCell(table, cell, column, index.row());
        if (cell.textColor)
            return readableOnDark(*cell.textColor);
        return {};
    }
    default: return {};
    }
}

bool DataSourceTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !isCellOf(index))
        return false;
    const TableColumn& column = *columnAt(index.column());
    TableDataSource& source = *table.dataSource();
    if (column.kind() != CellKind::CheckBox || !source.tableViewShouldEditTableColumn(table, column, index.row()))
        return false;
    const bool tick = value.value<Qt::CheckState>() == Qt::Checked;
    source.tableViewSetObjectValueForTableColumnRow(table, CellValue{tick}, column, index.row());
    // The data source may change more than the one cell (a count, a colour): show the row again.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}

Qt::ItemFlags DataSourceTableModel::flags(const QModelIndex& index) const
{
    if (!isCellOf(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const TableColumn& column = *columnAt(index.column());
    if (column.kind() == CellKind::CheckBox &&
        table.dataSource()->tableViewShouldEditTableColumn(table, column, index.row()))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant DataSourceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const TableColumn* column = columnAt(section);
    return column != nullptr ? QVariant(QString::fromStdString(column->headerTitle())) : QVariant();
}

void DataSourceTableModel::reload()
{
    beginResetModel();
    rows = table.numberOfRows();
    endResetModel();
}

void DataSourceTableModel::refreshHeaders()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

} // namespace korvida::qt
