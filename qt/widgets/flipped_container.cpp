#include "qt/widgets/flipped_container.h"

#include <QResizeEvent>

#include <algorithm>

#include "qt/coordinates.h"

namespace korvida::qt {

FlippedContainer::FlippedContainer(QWidget* parent) : QWidget(parent)
{}

void FlippedContainer::place(QWidget* widget, const View& view)
{
    const bool known = std::any_of(placed.cbegin(), placed.cend(),
                                   [widget](const Placed& entry) { return entry.widget == widget; });
    if (!known)
        placed.append(Placed{widget, &view});
    applyFrame(widget, view);
}

void FlippedContainer::applyFrame(QWidget* widget, const View& view)
{
    // A frame that is not a finite number never reaches the widget; it keeps its last place.
    if (const auto rect = toQtRect(view.frame(), height()))
        widget->setGeometry(*rect);
}

void FlippedContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (const Placed& entry : std::as_const(placed)) {
        if (entry.widget)
            applyFrame(entry.widget, *entry.view);
    }
    if (onResized)
        onResized();
}

} // namespace korvida::qt
