#pragma once

#include <QAbstractTableModel>

#include "platform/table_view.h"

namespace korvida::qt {

// A Qt table model over a table of the program: rows, cell values by column identifier, the
// text colour the data source chooses for each cell, and the editable check boxes, whose
// new state goes back to the data source.
class DataSourceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSourceTableModel(TableView& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Asks the data source for everything again.
    void reload();
    void refreshHeaders();

    TableColumn* columnAt(int section) const;

private:
    bool isCellOf(const QModelIndex& index) const;

    TableView& table;
    // The row count is taken at each reload, as a table asks its data source only then; a
    // list that shrinks in between is never read past its end.
    int rows = 0;
};

} // namespace korvida::qt
