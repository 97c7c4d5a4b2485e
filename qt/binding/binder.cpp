// What every binding shares: the list of bound controls and their widgets, the content
// containers of the windows, and the mirroring of a view's frame and visibility. Each kind of
// control has its binding in a file of its own.
#include "qt/binding/binder.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include "qt/widgets/flipped_container.h"

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

void Binder::mirrorView(const View& view, QWidget* widget, FlippedContainer* container, Change change)
{
    switch (change) {
    case Change::Frame:
        if (container != nullptr)
            container->place(widget, view);
        break;
    case Change::Visibility: widget->setVisible(!view.isHidden()); break;
    case Change::Display: widget->repaint(); break;
    default: break;
    }
}

void Binder::observeView(View& view, QWidget* widget, FlippedContainer* container, std::function<void()> showContent)
{
    remember(view, widget);
    auto apply = [this, &view, widget, container, showContent = std::move(showContent)](Change change) {
        if (change == Change::Content)
            showContent();
        else
            mirrorView(view, widget, container, change);
    };
    view.setObserver(apply);
    for (Change change : {Change::Content, Change::Frame, Change::Visibility})
        apply(change);
}

} // namespace korvida::qt
