#pragma once

#include "platform/view.h"

class QWidget;

namespace korvida::qt {

class FlippedContainer;

// Shows a view's frame, visibility and display requests on its widget. A view given a
// container is placed by its frame (flipped there); a view given none lives in a Qt layout.
void mirrorView(const View& view, QWidget* widget, FlippedContainer* container, Change change);

// What the binding of every kind of control builds on: the control's changes reach apply(),
// which shows the content as the kind does and mirrors the rest alike for every kind.
class ViewBinding {
public:
    ViewBinding(const View& view, QWidget* widget, FlippedContainer* container)
        : view(view), widget(widget), container(container)
    {}
    virtual ~ViewBinding() = default;
    ViewBinding(const ViewBinding&) = delete;
    ViewBinding& operator=(const ViewBinding&) = delete;

    virtual void apply(Change change)
    {
        if (change == Change::Content)
            showContent();
        else
            mirrorView(view, widget, container, change);
    }

protected:
    virtual void showContent() = 0;

    const View& view;
    QWidget* widget;
    FlippedContainer* container;
};

} // namespace korvida::qt
