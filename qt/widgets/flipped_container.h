#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "platform/view.h"

namespace korvida::qt {

// The content of a window whose children are placed by the frames of their views, in the
// program's coordinates (origin lower left). When the container changes height every child
// is placed again, so that a view keeps its distance from the bottom edge.
class FlippedContainer : public QWidget {
    Q_OBJECT
public:
    explicit FlippedContainer(QWidget* parent = nullptr);

    // Places the widget by the view's frame now and after every change of height.
    void place(QWidget* widget, const View& view);

    // Called after a change of size, once the children are placed again.
    std::function<void()> onResized;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyFrame(QWidget* widget, const View& view);

    struct Placed {
        QPointer<QWidget> widget;
        const View* view;
    };
    QList<Placed> placed;
};

} // namespace korvida::qt
