// The binding of a button: its state, title or picture, enabled state and frame shown by its
// widget, and a click passed back as the new state and the button's action.
#include <QAbstractButton>
#include <QSignalBlocker>

#include "qt/binding/binder.h"
#include "qt/binding/view_binding.h"
#include "qt/coordinates.h"
#include "qt/widgets/image_button.h"

namespace korvida::qt {

namespace {

class ButtonBinding : public ViewBinding {
public:
    ButtonBinding(Button& button, QAbstractButton* widget, FlippedContainer* container)
        : ViewBinding(button, widget, container),
          button(button),
          buttonWidget(widget),
          picture(qobject_cast<ImageButton*>(widget))
    {}

    void apply(Change change) override
    {
        switch (change) {
        case Change::Enabled: widget->setEnabled(button.isEnabled()); break;
        case Change::Frame:
            // Picture buttons take the size they are given wherever they live.
            if (picture != nullptr && container == nullptr) {
                if (const auto rect = toQtRect(button.frame(), 0); rect && !rect->isEmpty())
                    widget->setFixedSize(rect->size());
            }
            mirrorView(button, widget, container, change);
            break;
        default: ViewBinding::apply(change);
        }
    }

    void clicked(bool checked)
    {
        if (!button.isEnabled())
            return;
        if (button.kind() != ButtonKind::Push)
            button.setState(checked ? 1 : 0);
        button.sendAction();
    }

private:
    void showContent() override
    {
        const QSignalBlocker quiet(buttonWidget);
        // A push button whose state is on (the type filter in force) looks pressed.
        buttonWidget->setCheckable(button.kind() != ButtonKind::Push || button.state() != 0);
        buttonWidget->setChecked(button.state() != 0);
        // Making a button no longer checkable clears its pressed state without painting it.
        buttonWidget->update();
        if (picture != nullptr)
            picture->setPicture(button.image());
        else
            buttonWidget->setText(QString::fromStdString(button.title()));
    }

    Button& button;
    QAbstractButton* buttonWidget;
    ImageButton* picture;
};

} // namespace

void Binder::bindButton(Button& button, QAbstractButton* widget, FlippedContainer* container)
{
    auto binding = attach(button, widget, std::make_shared<ButtonBinding>(button, widget, container),
                          {Change::Content, Change::Enabled, Change::Frame, Change::Visibility});
    connect(widget, &QAbstractButton::clicked, this, [binding](bool checked) { binding->clicked(checked); });
}

} // namespace korvida::qt
