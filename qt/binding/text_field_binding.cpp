// The binding of a text field: a label or an entry showing its text, and the user's edits
// passed back as its text and its action.
#include <QLabel>
#include <QLineEdit>

#include "qt/binding/binder.h"
#include "qt/binding/mirroring_guard.h"
#include "qt/binding/view_binding.h"

namespace korvida::qt {

namespace {

class TextFieldBinding : public ViewBinding {
public:
    TextFieldBinding(TextField& field, QWidget* widget, FlippedContainer* container)
        : ViewBinding(field, widget, container),
          field(field),
          label(qobject_cast<QLabel*>(widget)),
          entry(qobject_cast<QLineEdit*>(widget))
    {}

    // The widget the user can type into, or null for a label.
    QLineEdit* editableWidget() const { return entry; }

    void edited(const QString& text)
    {
        {
            const auto held = guard.hold();
            field.setStringValue(text.toStdString());
        }
        field.sendAction();
    }

private:
    void showContent() override
    {
        const QString text = QString::fromStdString(field.stringValue());
        if (label != nullptr)
            label->setText(text);
        // setText is not an edit: it reports textChanged, never textEdited.
        if (entry != nullptr && !guard.mirroring() && entry->text() != text)
            entry->setText(text);
    }

    TextField& field;
    QLabel* label;
    QLineEdit* entry;
    MirroringGuard guard;
};

} // namespace

void Binder::bindTextField(TextField& field, QWidget* widget, FlippedContainer* container)
{
    auto binding = attach(field, widget, std::make_shared<TextFieldBinding>(field, widget, container), kViewChanges);
    if (QLineEdit* entry = binding->editableWidget())
        connect(entry, &QLineEdit::textEdited, this, [binding](const QString& text) { binding->edited(text); });
}

} // namespace korvida::qt
