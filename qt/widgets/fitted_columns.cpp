#include "qt/widgets/fitted_columns.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace korvida::qt {

namespace {

// A column other than the name takes at most this, at least the narrowest; the name column
// keeps at least two shares.
constexpr int kWidest = 140;
constexpr int kNarrowest = 24;
constexpr int kNameShares = 2;

} // namespace

FittedColumns::FittedColumns(QTableView* table, int nameSection)
    : QObject(table), table(table), nameSection(nameSection)
{
    QHeaderView* header = table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(kNarrowest);
    table->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionCountChanged, this, [this] { fit(); });
    fit();
}

void FittedColumns::fit()
{
    QHeaderView* header = table->horizontalHeader();
    const int sections = header->count();
    if (nameSection >= sections)
        return;
    header->setSectionResizeMode(nameSection, QHeaderView::Stretch);
    // The first column keeps its own width; the others share the rest with the name.
    int room = table->viewport()->width();
    int sharing = 0;
    for (int section = 0; section < sections; ++section) {
        if (header->isSectionHidden(section) || section == nameSection)
            continue;
        if (section == 0 && nameSection != 0)
            room -= header->sectionSize(section);
        else
            ++sharing;
    }
    const int share = std::clamp(room / (sharing + kNameShares), kNarrowest, kWidest);
    for (int section = 1; section < sections; ++section)
        if (section != nameSection && !header->isSectionHidden(section))
            header->resizeSection(section, share);
}

bool FittedColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table->viewport() && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

} // namespace korvida::qt
