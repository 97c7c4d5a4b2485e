// The binding of a window: its title, look, frame, level and visibility shown by its
// top-level widget, the content view it shows moved into that widget, and the user's moves
// and resizes (and a sheet's dismissal) passed back.
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QPalette>

#include <algorithm>
#include <memory>

#include "qt/binding/binder.h"
#include "qt/binding/mirroring_guard.h"
#include "qt/coordinates.h"

namespace korvida::qt {

namespace {

// Reports every move and resize of a window by the user or the window manager.
class GeometryWatcher : public QObject {
public:
    GeometryWatcher(QObject* parent, std::function<void()> changed) : QObject(parent), changed(std::move(changed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            changed();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> changed;
};

class WindowBinding {
public:
    WindowBinding(Window& window, QWidget* topLevel, QWidget* frameWidget, QWidget* host,
                  const QHash<const View*, QWidget*>& contents)
        : window(window),
          topLevel(topLevel),
          frameWidget(frameWidget),
          host(host),
          dialog(qobject_cast<QDialog*>(topLevel)),
          contents(contents)
    {}

    void apply(Change change)
    {
        switch (change) {
        case Change::Content:
            showLook();
            applyFlags();
            showContent();
            break;
        case Change::Frame:
            if (!guard.mirroring())
                applyFrame();
            break;
        case Change::Visibility: applyVisibility(); break;
        case Change::Alpha:
            topLevel->setWindowOpacity(std::clamp(static_cast<double>(window.alphaValue()), 0.0, 1.0));
            break;
        case Change::Display: topLevel->repaint(); break;
        default: break;
        }
    }

    // A move or resize made outside the program becomes the window's frame.
    void takeFrameFromScreen()
    {
        if (!frameWidget->isVisible())
            return;
        const Rect frame = fromQtScreenRect(QRect(frameWidget->mapToGlobal(QPoint(0, 0)), frameWidget->size()));
        if (frame == window.frame())
            return;
        const auto held = guard.hold();
        window.setFrame(frame);
    }

private:
    void showLook()
    {
        topLevel->setWindowTitle(QString::fromStdString(window.title()));
        const Color& background = window.backgroundColor();
        QPalette palette = topLevel->palette();
        palette.setColor(QPalette::Window,
                         QColor::fromRgbF(background.red, background.green, background.blue, background.alpha));
        topLevel->setPalette(palette);
        topLevel->setAutoFillBackground(true);
    }

    void showContent()
    {
        QWidget* container = contents.value(window.contentView(), nullptr);
        if (container == nullptr || container == host || container->parentWidget() == host)
            return;
        container->setParent(host);
        if (host->layout() != nullptr)
            host->layout()->addWidget(container);
        container->show();
    }

    void applyFrame()
    {
        const auto wanted = toQtScreenRect(window.frame());
        if (!wanted || wanted->isEmpty())
            return;
        // A sheet keeps its size and is placed over its window by the dialog itself.
        if (dialog != nullptr) {
            dialog->setFixedSize(wanted->size());
            return;
        }
        // The frame is the frame widget's place; the window around it (a menu bar) keeps its
        // margins. The layout is brought up to date first so that they are known.
        if (topLevel->layout() != nullptr)
            topLevel->layout()->activate();
        const QPoint offset = frameWidget->mapTo(topLevel, QPoint(0, 0));
        const QMargins margins(offset.x(), offset.y(), topLevel->width() - offset.x() - frameWidget->width(),
                               topLevel->height() - offset.y() - frameWidget->height());
        topLevel->setGeometry(wanted->marginsAdded(margins));
    }

    void applyFlags()
    {
        Qt::WindowFlags flags = topLevel->windowFlags();
        flags.setFlag(Qt::FramelessWindowHint, window.style() == WindowStyle::Borderless);
        flags.setFlag(Qt::WindowStaysOnTopHint, window.level() > 0);
        if (flags == topLevel->windowFlags())
            return;
        const bool shown = topLevel->isVisible();
        topLevel->setWindowFlags(flags);
        if (shown)
            topLevel->show();
    }

    void applyVisibility()
    {
        applyFlags();
        if (!window.isVisible()) {
            topLevel->hide();
            return;
        }
        const auto* panel = dynamic_cast<const Panel*>(&window);
        if (dialog != nullptr && panel != nullptr && panel->sheetParent() != nullptr) {
            dialog->setWindowModality(Qt::WindowModal);
            dialog->open();
        } else {
            topLevel->show();
        }
        topLevel->raise();
        if (window.isKeyWindow())
            topLevel->activateWindow();
    }

    Window& window;
    QWidget* topLevel;
    QWidget* frameWidget;
    QWidget* host;
    QDialog* dialog;
    const QHash<const View*, QWidget*>& contents;
    MirroringGuard guard;
};

} // namespace

void Binder::bindWindow(Window& window, QWidget* topLevel, QWidget* frameWidget, QWidget* host,
                        std::function<void()> dismiss)
{
    auto binding = attach(window, topLevel,
                          std::make_shared<WindowBinding>(window, topLevel, frameWidget, host, contents),
                          {Change::Content, Change::Frame, Change::Alpha});

    auto* watcher = new GeometryWatcher(topLevel, [binding] { binding->takeFrameFromScreen(); });
    topLevel->installEventFilter(watcher);
    if (frameWidget != topLevel)
        frameWidget->installEventFilter(watcher);

    auto* dialog = qobject_cast<QDialog*>(topLevel);
    if (dialog != nullptr && dismiss) {
        connect(dialog, &QDialog::rejected, this, [&window, dialog, dismiss] {
            if (!window.isVisible())
                return;
            dismiss();
            // A sheet its controller keeps open stays on screen, as the controller sees it.
            if (window.isVisible())
                dialog->open();
        });
    }
}

} // namespace korvida::qt
