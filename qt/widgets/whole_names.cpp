#include "qt/widgets/whole_names.h"

#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace korvida::qt {

namespace {

// Room a cell takes besides its text: the style's margins on both sides, with some air.
constexpr int kCellPadding = 16;

} // namespace

WholeNames::WholeNames(QTableView* table, int widest) : QObject(table), table(table), widest(widest)
{
    connect(table->model(), &QAbstractItemModel::modelReset, this, [this] { fit(); });
    fit();
}

void WholeNames::fit()
{
    const QAbstractItemModel* model = table->model();
    const QFontMetrics metrics(table->font());
    int text = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        text = std::max(text, metrics.horizontalAdvance(model->index(row, 0).data().toString()));
    const int needed = text + kCellPadding + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
    table->setMinimumWidth(std::min(needed, widest));
}

} // namespace korvida::qt
