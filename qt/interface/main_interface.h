#pragma once

#include <QList>

#include <functional>
#include <memory>

#include "app/main_app.h"

class QDialog;
class QWidget;

namespace korvida::qt {

class Binder;
class FlippedContainer;
class MainWindow;

// The Qt windows that show the controller's interface. The dialogs are children of the main
// window; every other window is a top-level widget of its own.
struct MainInterface {
    MainWindow* mainWindow = nullptr;
    FlippedContainer* mainContent = nullptr;
    QList<QWidget*> otherWindows;
    // Runs after the main window's content has changed size and the browser side has
    // followed it.
    std::function<void()> afterResize;
    // Gives the browser side the controller's width again (after the settings are read).
    std::function<void()> followBrowserWidth;

    ~MainInterface();
};

// Builds a widget for every window and control of the controller, binds each to its control,
// and arranges them: the browser side of the main window in Qt layouts, the media area and
// the sheets by the frames of their views.
std::unique_ptr<MainInterface> buildMainInterface(MainApp& app, Binder& binder);

} // namespace korvida::qt
