// The binding of a button: its state, title or picture, enabled state and frame shown by its
// widget, and a click passed back as the new state and the button's action.
#include <QAbstractButton>
#include <QSignalBlocker>

#include "qt/binding/binder.h"
#include "qt/coordinates.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/image_button.h"

namespace korvida::qt {

void Binder::bindButton(Button& button, QAbstractButton* widget, FlippedContainer* container)
{
    remember(button, widget);
    auto* picture = qobject_cast<ImageButton*>(widget);
    auto apply = [this, &button, widget, picture, container](Change change) {
        switch (change) {
        case Change::Content: {
            const QSignalBlocker quiet(widget);
            // A push button whose state is on (the type filter in force) looks pressed.
            widget->setCheckable(button.kind() != ButtonKind::Push || button.state() != 0);
            widget->setChecked(button.state() != 0);
            if (picture != nullptr)
                picture->setPicture(button.image());
            else
                widget->setText(QString::fromStdString(button.title()));
            break;
        }
        case Change::Enabled: widget->setEnabled(button.isEnabled()); break;
        case Change::Frame:
            // Picture buttons take the size they are given wherever they live.
            if (picture != nullptr && container == nullptr) {
                if (const auto rect = toQtRect(button.frame(), 0); rect && !rect->isEmpty())
                    widget->setFixedSize(rect->size());
            }
            mirrorView(button, widget, container, change);
            break;
        default: mirrorView(button, widget, container, change);
        }
    };
    button.setObserver(apply);
    for (Change change : {Change::Content, Change::Enabled, Change::Frame, Change::Visibility})
        apply(change);
    connect(widget, &QAbstractButton::clicked, this, [&button](bool checked) {
        if (!button.isEnabled())
            return;
        if (button.kind() != ButtonKind::Push)
            button.setState(checked ? 1 : 0);
        button.sendAction();
    });
}

} // namespace korvida::qt
