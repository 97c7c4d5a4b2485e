// The binding of a text field: a label or an entry showing its text, and the user's edits
// passed back as its text and its action.
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <memory>

#include "qt/binding/binder.h"
#include "qt/binding/mirroring_guard.h"

namespace korvida::qt {

void Binder::bindTextField(TextField& field, QWidget* widget, FlippedContainer* container)
{
    auto* label = qobject_cast<QLabel*>(widget);
    auto* entry = qobject_cast<QLineEdit*>(widget);
    auto guard = std::make_shared<MirroringGuard>();
    observeView(field, widget, container, [&field, label, entry, guard] {
        const QString text = QString::fromStdString(field.stringValue());
        if (label != nullptr)
            label->setText(text);
        if (entry != nullptr && !guard->mirroring() && entry->text() != text) {
            const QSignalBlocker quiet(entry);
            entry->setText(text);
        }
    });
    if (entry != nullptr) {
        connect(entry, &QLineEdit::textEdited, this, [&field, guard](const QString& text) {
            {
                const auto held = guard->hold();
                field.setStringValue(text.toStdString());
            }
            field.sendAction();
        });
    }
}

} // namespace korvida::qt
