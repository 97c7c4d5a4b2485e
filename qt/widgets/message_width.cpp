#include "qt/widgets/message_width.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace korvida::qt {

namespace {

// About sixty characters of the usual font.
constexpr int kReadableWidth = 440;

} // namespace

void giveReadableWidth(QMessageBox& box)
{
    // The box fixes its own size when shown, from its layout's minimum: a spacer across the
    // layout's columns is the one width it keeps.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    grid->addItem(new QSpacerItem(kReadableWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace korvida::qt
