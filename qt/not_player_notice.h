#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace korvida::qt {

// Tells the user that a folder asked for by name is not a player, in one box at a time that
// does not run an event loop of its own. Folders asked for while it shows (a script handing
// over a thousand of them) are counted into it rather than opening boxes of their own.
class NotPlayerNotice {
public:
    explicit NotPlayerNotice(std::function<QWidget*()> parent) : parent(std::move(parent)) {}

    void tell(const QString& message);

    // The box on screen, or null.
    QMessageBox* shown() const { return box != nullptr && box->isVisible() ? box.data() : nullptr; }

private:
    void describe();

    std::function<QWidget*()> parent;
    QPointer<QMessageBox> box;
    QString first;
    int more = 0;
};

} // namespace korvida::qt
