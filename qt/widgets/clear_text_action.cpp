#include "qt/widgets/clear_text_action.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace korvida::qt {

void addClearTextAction(QLineEdit* entry)
{
    QAction* clear = entry->addAction(entry->style()->standardIcon(QStyle::SP_LineEditClearButton),
                                      QLineEdit::TrailingPosition);
    clear->setToolTip(QStringLiteral("Clear"));
    clear->setVisible(!entry->text().isEmpty());
    QObject::connect(clear, &QAction::triggered, entry, [entry] {
        entry->selectAll();
        entry->del();
    });
    QObject::connect(entry, &QLineEdit::textChanged, clear,
                     [clear](const QString& text) { clear->setVisible(!text.isEmpty()); });
}

} // namespace korvida::qt
