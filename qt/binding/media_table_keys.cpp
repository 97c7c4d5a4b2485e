#include "qt/binding/media_table_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

namespace korvida::qt {

namespace {

// A click on a media row may reload the table, which makes the view forget the row it was
// pressed on and drop the double click that follows; the double click is therefore taken here
// from the mouse itself, on any row, and goes no further.
class PlayOnDoubleClick : public QObject {
public:
    PlayOnDoubleClick(QTableView* view, TableView& table) : QObject(view), view(view), table(table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && view->indexAt(mouse->position().toPoint()).isValid())
            table.performDoubleClick();
        return true;
    }

private:
    QTableView* view;
    TableView& table;
};

class PlayKeys : public QObject {
public:
    PlayKeys(QObject* parent, TableView& table) : QObject(parent), table(table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)) {
            table.performDoubleClick();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TableView& table;
};

} // namespace

void playOnKeys(QTableView* widget, TableView& table)
{
    widget->installEventFilter(new PlayKeys(widget, table));
    widget->viewport()->installEventFilter(new PlayOnDoubleClick(widget, table));
}

} // namespace korvida::qt
