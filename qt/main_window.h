#pragma once

#include <QMainWindow>

#include <functional>

namespace korvida::qt {

// The main window. Closing it is a request to quit, which the controller may refuse (copies
// are running and the user chooses Cancel), so the close itself is always turned down and
// the request handed on. Every resize is reported so that the media area follows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    std::function<void()> onCloseRequest;
    std::function<void()> onResize;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace korvida::qt
