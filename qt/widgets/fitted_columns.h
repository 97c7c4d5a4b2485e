#pragma once

#include <QObject>

class QTableView;

namespace korvida::qt {

// Shares a table's width among its columns so that no horizontal scroll bar is needed: the
// first column (the tick box) keeps its width, every other column but the name column gets
// an equal share up to a comfortable width, and the name column takes what is left. Done
// again whenever the table's width or its columns change, so columns added later fit too.
class FittedColumns : public QObject {
public:
    FittedColumns(QTableView* table, int nameSection);

    void fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* table;
    int nameSection;
};

} // namespace korvida::qt
