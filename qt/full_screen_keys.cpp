#include "qt/full_screen_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "app/main_app.h"

namespace korvida::qt {

namespace {

bool typingInto(QObject* watched)
{
    return qobject_cast<QLineEdit*>(watched) != nullptr ||
        qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr;
}

} // namespace

FullScreenKeys::FullScreenKeys(MainApp& app, QObject* parent) : QObject(parent), app(app)
{}

bool FullScreenKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_F11) {
        app.fullScreenButton(nullptr);
        return true;
    }
    if (!app.fullScreen)
        return false;
    switch (key->key()) {
    case Qt::Key_Escape: app.fullScreenButton(nullptr); return true;
    case Qt::Key_Space:
        if (typingInto(watched))
            return false;
        app.playButton(nullptr);
        return true;
    case Qt::Key_Left:
        if (typingInto(watched))
            return false;
        app.backButton(nullptr);
        return true;
    case Qt::Key_Right:
        if (typingInto(watched))
            return false;
        app.nextButton(nullptr);
        return true;
    default: return false;
    }
}

DoubleClickFullScreen::DoubleClickFullScreen(MainApp& app, QObject* parent) : QObject(parent), app(app)
{}

void DoubleClickFullScreen::watch(QWidget* widget)
{
    if (widget != nullptr)
        widget->installEventFilter(this);
}

bool DoubleClickFullScreen::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return false;
    app.fullScreenButton(nullptr);
    return true;
}

} // namespace korvida::qt
