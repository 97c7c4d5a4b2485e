#include "qt/binding/binder.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>

#include <cmath>
#include <limits>
#include <memory>

#include "qt/binding/echo.h"
#include "qt/coordinates.h"
#include "qt/services/qt_images.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/image_button.h"
#include "qt/widgets/movie_widget.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

namespace {

// Progress bars count in steps of this many parts of their range.
constexpr int kProgressSteps = 1000;

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

int toSliderInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double largest = std::numeric_limits<int>::max();
    constexpr double smallest = std::numeric_limits<int>::min();
    return static_cast<int>(std::trunc(std::clamp(value, smallest, largest)));
}

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

}  // namespace

Binder::Binder(QObject* parent) : QObject(parent) {}

void Binder::remember(Control& control, QWidget* widget)
{
    widgets.insert(&control, widget);
    bound.append(&control);
    connect(widget, &QObject::destroyed, this, [this, &control] { widgets.remove(&control); });
}

void Binder::unbindAll()
{
    for (Control* control : std::as_const(bound))
        control->setObserver({});
    bound.clear();
    // And no widget's signal reaches a control any more.
    for (QWidget* widget : std::as_const(widgets)) {
        widget->disconnect(this);
        if (auto* table = qobject_cast<QTableView*>(widget)) {
            table->selectionModel()->disconnect(this);
            table->horizontalHeader()->disconnect(this);
        }
    }
    widgets.clear();
}

void Binder::registerContent(const View& content, QWidget* container)
{
    contents.insert(&content, container);
}

void Binder::mirrorView(const View& view, QWidget* widget, FlippedContainer* container, Change change)
{
    switch (change) {
    case Change::Frame:
        if (container != nullptr)
            container->place(widget, view);
        break;
    case Change::Visibility:
        widget->setVisible(!view.isHidden());
        break;
    case Change::Display:
        widget->repaint();
        break;
    default:
        break;
    }
}

void Binder::observeView(View& view, QWidget* widget, FlippedContainer* container, std::function<void()> showContent)
{
    remember(view, widget);
    auto apply = [this, &view, widget, container, showContent = std::move(showContent)](Change change) {
        if (change == Change::Content)
            showContent();
        else
            mirrorView(view, widget, container, change);
    };
    view.setObserver(apply);
    for (Change change : {Change::Content, Change::Frame, Change::Visibility})
        apply(change);
}

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
                widget->setText(toQString(button.title()));
            break;
        }
        case Change::Enabled:
            widget->setEnabled(button.isEnabled());
            break;
        case Change::Frame:
            // Picture buttons take the size they are given wherever they live.
            if (picture != nullptr && container == nullptr) {
                if (const auto rect = toQtRect(button.frame(), 0); rect && !rect->isEmpty())
                    widget->setFixedSize(rect->size());
            }
            mirrorView(button, widget, container, change);
            break;
        default:
            mirrorView(button, widget, container, change);
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

void Binder::bindTextField(TextField& field, QWidget* widget, FlippedContainer* container)
{
    auto* label = qobject_cast<QLabel*>(widget);
    auto* entry = qobject_cast<QLineEdit*>(widget);
    auto echo = std::make_shared<Echo>();
    observeView(field, widget, container, [&field, label, entry, echo] {
        const QString text = toQString(field.stringValue());
        if (label != nullptr)
            label->setText(text);
        if (entry != nullptr && !echo->active() && entry->text() != text) {
            const QSignalBlocker quiet(entry);
            entry->setText(text);
        }
    });
    if (entry != nullptr) {
        connect(entry, &QLineEdit::textEdited, this, [&field, echo](const QString& text) {
            {
                const auto quiet = echo->guard();
                field.setStringValue(text.toStdString());
            }
            field.sendAction();
        });
    }
}

void Binder::bindSlider(Slider& slider, QSlider* widget, FlippedContainer* container)
{
    observeView(slider, widget, container, [&slider, widget] {
        const QSignalBlocker quiet(widget);
        widget->setRange(toSliderInt(slider.minValue()), toSliderInt(slider.maxValue()));
        widget->setValue(toSliderInt(slider.doubleValue()));
    });
    // Only the user's moves arrive here: the binder's own changes are blocked above.
    connect(widget, &QSlider::valueChanged, this, [&slider](int value) {
        slider.setDoubleValue(value);
        slider.sendAction();
    });
}

void Binder::bindProgressIndicator(ProgressIndicator& indicator, QProgressBar* widget, FlippedContainer* container)
{
    observeView(indicator, widget, container, [&indicator, widget] {
        if (indicator.isIndeterminate()) {
            widget->setRange(0, 0);
            return;
        }
        const double span = indicator.maxValue() - indicator.minValue();
        const double part = span > 0.0 ? (indicator.doubleValue() - indicator.minValue()) / span : 0.0;
        widget->setRange(0, kProgressSteps);
        widget->setValue(static_cast<int>(std::lround(std::clamp(part, 0.0, 1.0) * kProgressSteps)));
    });
}

void Binder::bindImageView(ImageView& view, PictureWidget* widget, FlippedContainer* container)
{
    observeView(view, widget, container, [&view, widget] { widget->setPicture(view.image(), view.imageScaling()); });
}

void Binder::bindMovieView(MovieView& view, MovieWidget* widget, FlippedContainer* container)
{
    observeView(view, widget, container, [&view, widget] { widget->setMovie(view.movie()); });
}

void Binder::bindWindow(Window& window, QWidget* topLevel, QWidget* frameWidget, QWidget* host,
                        std::function<void()> dismiss)
{
    remember(window, topLevel);
    auto echo = std::make_shared<Echo>();
    auto* dialog = qobject_cast<QDialog*>(topLevel);

    auto showContent = [this, &window, host] {
        QWidget* container = contents.value(window.contentView(), nullptr);
        if (container == nullptr || container == host || container->parentWidget() == host)
            return;
        container->setParent(host);
        if (host->layout() != nullptr)
            host->layout()->addWidget(container);
        container->show();
    };

    auto applyFrame = [&window, topLevel, frameWidget, dialog] {
        const auto wanted = toQtScreenRect(window.frame());
        if (!wanted || wanted->isEmpty())
            return;
        // A sheet keeps its size and is placed over its window by the dialog itself.
        if (dialog != nullptr) {
            dialog->setFixedSize(wanted->size());
            return;
        }
        // The frame is the frame widget's place; the window around it (a menu bar) keeps
        // its margins. The layout is brought up to date first so that they are known.
        if (topLevel->layout() != nullptr)
            topLevel->layout()->activate();
        const QPoint offset = frameWidget->mapTo(topLevel, QPoint(0, 0));
        const QMargins margins(offset.x(), offset.y(), topLevel->width() - offset.x() - frameWidget->width(),
                               topLevel->height() - offset.y() - frameWidget->height());
        topLevel->setGeometry(wanted->marginsAdded(margins));
    };

    auto applyFlags = [&window, topLevel] {
        Qt::WindowFlags flags = topLevel->windowFlags();
        flags.setFlag(Qt::FramelessWindowHint, window.style() == WindowStyle::Borderless);
        flags.setFlag(Qt::WindowStaysOnTopHint, window.level() > 0);
        if (flags == topLevel->windowFlags())
            return;
        const bool shown = topLevel->isVisible();
        topLevel->setWindowFlags(flags);
        if (shown)
            topLevel->show();
    };

    auto applyVisibility = [&window, topLevel, dialog, applyFlags] {
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
    };

    auto apply = [&window, topLevel, echo, showContent, applyFrame, applyFlags, applyVisibility](Change change) {
        switch (change) {
        case Change::Content: {
            topLevel->setWindowTitle(toQString(window.title()));
            const Color& background = window.backgroundColor();
            QPalette palette = topLevel->palette();
            palette.setColor(QPalette::Window,
                             QColor::fromRgbF(background.red, background.green, background.blue, background.alpha));
            topLevel->setPalette(palette);
            topLevel->setAutoFillBackground(true);
            applyFlags();
            showContent();
            break;
        }
        case Change::Frame:
            if (!echo->active())
                applyFrame();
            break;
        case Change::Visibility:
            applyVisibility();
            break;
        case Change::Alpha:
            topLevel->setWindowOpacity(std::clamp(static_cast<double>(window.alphaValue()), 0.0, 1.0));
            break;
        case Change::Display:
            topLevel->repaint();
            break;
        default:
            break;
        }
    };
    window.setObserver(apply);
    for (Change change : {Change::Content, Change::Frame, Change::Alpha})
        apply(change);

    // Moves and resizes made outside the program become the window's frame.
    auto* watcher = new GeometryWatcher(topLevel, [&window, frameWidget, echo] {
        if (!frameWidget->isVisible())
            return;
        const Rect frame = fromQtScreenRect(QRect(frameWidget->mapToGlobal(QPoint(0, 0)), frameWidget->size()));
        if (frame == window.frame())
            return;
        const auto quiet = echo->guard();
        window.setFrame(frame);
    });
    topLevel->installEventFilter(watcher);
    if (frameWidget != topLevel)
        frameWidget->installEventFilter(watcher);

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

}  // namespace korvida::qt
