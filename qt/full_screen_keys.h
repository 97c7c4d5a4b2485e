#pragma once

#include <QObject>

class MainApp;
class QWidget;

namespace korvida::qt {

// The keys of full-screen mode, watched for the whole program: F11 turns it on and off,
// Escape leaves it, and while it is on the space bar plays and pauses and the left and right
// arrows go to the previous and the next item. Keys typed into a text field stay there.
class FullScreenKeys : public QObject {
    Q_OBJECT
public:
    FullScreenKeys(MainApp& app, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainApp& app;
};

// A double click on a picture or film view turns full-screen mode on or off.
class DoubleClickFullScreen : public QObject {
    Q_OBJECT
public:
    DoubleClickFullScreen(MainApp& app, QObject* parent);
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainApp& app;
};

} // namespace korvida::qt
