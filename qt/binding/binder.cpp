// What every binding shares: the list of bound controls and their widgets, and the content
// containers of the windows. Each kind of control has its binding in a file of its own.
#include "qt/binding/binder.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace korvida::qt {

Binder::Binder(QObject* parent) : QObject(parent)
{}

void Binder::remember(Control& control, QWidget* widget)
{
    widgets.insert(&control, widget);
    bound.append(&control);
    connect(widget, &QObject::destroyed, this, [this, &control] { widgets.remove(&control); });
}

void Binder::unbindAll()
{
    for (Control* control : std::as_const(bound))
        control->setObserver({});
    bound.clear();
    // And no widget's signal reaches a control any more.
    for (QWidget* widget : std::as_const(widgets)) {
        widget->disconnect(this);
        if (auto* table = qobject_cast<QTableView*>(widget)) {
            table->selectionModel()->disconnect(this);
            table->horizontalHeader()->disconnect(this);
        }
    }
    widgets.clear();
}

void Binder::registerContent(const View& content, QWidget* container)
{
    contents.insert(&content, container);
}

} // namespace korvida::qt
