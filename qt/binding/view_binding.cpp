#include "qt/binding/view_binding.h"

#include <QWidget>

#include "qt/widgets/flipped_container.h"

namespace korvida::qt {

void mirrorView(const View& view, QWidget* widget, FlippedContainer* container, Change change)
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

} // namespace korvida::qt
