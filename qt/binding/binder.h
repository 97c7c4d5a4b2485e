#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <initializer_list>
#include <memory>

#include "platform/button.h"
#include "platform/image_view.h"
#include "platform/movie_view.h"
#include "platform/progress_indicator.h"
#include "platform/slider.h"
#include "platform/table_view.h"
#include "platform/text_field.h"
#include "platform/window.h"

class QAbstractButton;
class QProgressBar;
class QSlider;
class QTableView;
class QWidget;

namespace korvida::qt {

class FlippedContainer;
class MovieWidget;
class PictureWidget;

// Mirrors the program's controls into Qt widgets and the user's actions back. Each control
// gets a binding of its kind as its one observer; a change of the control updates its widget.
// A user's action on a widget first sets the control's state as the widget shows it (a toggled
// box, a selection, a text), then sends the control's action, as a click would.
//
// A view given a container is placed by its frame (flipped there); a view given none lives in
// a Qt layout, and its frame only sizes picture buttons.
//
// Each kind of control has its binding class in a file of its own: button_binding.cpp,
// text_field_binding.cpp, slider_binding.cpp, progress_binding.cpp, image_binding.cpp,
// movie_binding.cpp, table_binding.cpp and window_binding.cpp. The binder keeps them alive
// through the controls' observers and the widgets' connections.
class Binder : public QObject {
    Q_OBJECT
public:
    explicit Binder(QObject* parent = nullptr);

    void bindButton(Button& button, QAbstractButton* widget, FlippedContainer* container);
    void bindTextField(TextField& field, QWidget* widget, FlippedContainer* container);
    void bindSlider(Slider& slider, QSlider* widget, FlippedContainer* container);
    void bindProgressIndicator(ProgressIndicator& indicator, QProgressBar* widget, FlippedContainer* container);
    void bindImageView(ImageView& view, PictureWidget* widget, FlippedContainer* container);
    void bindMovieView(MovieView& view, MovieWidget* widget, FlippedContainer* container);
    void bindTableView(TableView& table, QTableView* widget, FlippedContainer* container);

    // A window. `frameWidget` is the widget whose place on screen is the window's frame (the
    // content below the menu bar for the main window); `host` takes the content container of
    // whatever content view the window shows. `dismiss` runs when the user closes a sheet
    // with the window's own controls (Escape, the title bar).
    void bindWindow(Window& window, QWidget* topLevel, QWidget* frameWidget, QWidget* host,
                    std::function<void()> dismiss = {});

    // The container that shows a content view, wherever a window puts it.
    void registerContent(const View& content, QWidget* container);

    // Lets go of every control: their changes reach no widget any more. Done before the
    // widgets go away.
    void unbindAll();

    // The widget that shows a control, or null.
    QWidget* widgetOf(const Control& control) const { return widgets.value(&control, nullptr); }
    // The top-level window widget of a window of the program, or null.
    QWidget* windowWidgetOf(const Window& window) const { return widgetOf(window); }

private:
    // What a view whose only own change is its content shows when it is bound.
    static constexpr std::initializer_list<Change> kViewChanges = {Change::Content, Change::Frame, Change::Visibility};

    void remember(Control& control, QWidget* widget);

    // Makes the binding the control's one observer and shows the `shown` changes now.
    template <typename Binding>
    std::shared_ptr<Binding> attach(Control& control, QWidget* widget, std::shared_ptr<Binding> binding,
                                    std::initializer_list<Change> shown)
    {
        remember(control, widget);
        control.setObserver([binding](Change change) { binding->apply(change); });
        for (Change change : shown)
            binding->apply(change);
        return binding;
    }

    QHash<const Control*, QWidget*> widgets;
    QList<Control*> bound;
    QHash<const View*, QWidget*> contents;
};

} // namespace korvida::qt
