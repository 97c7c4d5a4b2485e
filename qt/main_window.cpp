#include "qt/main_window.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace korvida::qt {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainWindow"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (onCloseRequest)
        onCloseRequest();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (onResize)
        onResize();
}

} // namespace korvida::qt
