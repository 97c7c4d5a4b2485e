#include "qt/binding/table_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>

namespace korvida::qt {

namespace {

bool movesThroughRows(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: return true;
    default: return false;
    }
}

} // namespace

TableKeys::TableKeys(QTableView* table, std::function<void()> click)
    : QObject(table), table(table), click(std::move(click))
{
    table->installEventFilter(this);
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (forwarding || watched != table || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!movesThroughRows(key->key()) || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QObject::eventFilter(watched, event);

    // The table moves as it would, but Home and End go to the first and last row; then a
    // move to another row is a click on it.
    const int before = table->currentIndex().row();
    if (key->key() == Qt::Key_Home || key->key() == Qt::Key_End) {
        const int rows = table->model()->rowCount();
        if (rows > 0) {
            const QModelIndex target = table->model()->index(key->key() == Qt::Key_Home ? 0 : rows - 1,
                                                             std::max(0, table->currentIndex().column()));
            table->setCurrentIndex(target);
            table->scrollTo(target);
        }
    } else {
        forwarding = true;
        QCoreApplication::sendEvent(table, event);
        forwarding = false;
    }
    const int after = table->currentIndex().row();
    if (click && after >= 0 && after != before)
        click();
    return true;
}

} // namespace korvida::qt
