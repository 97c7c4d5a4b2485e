#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include <iostream>

#include "cli/command_line.h"
#include "cli/device_path.h"
#include "qt/desktop_app.h"
#include "qt/look.h"
#include "qt/screenshot.h"
#include "qt/single_instance.h"

namespace {

// The folder the argument names, or the mount point of the mounted player it names.
QString folderToOpen(const QString& argument)
{
    const std::vector<std::string> players = korvida::cli::playersNamed(argument.toStdString());
    return players.empty() ? QDir::cleanPath(QFileInfo(argument).absoluteFilePath())
                           : QString::fromStdString(players.front());
}

} // namespace

int main(int argc, char** argv)
{
    // The command-line commands, help and the version answer without a display; the window
    // is only started where one can show.
    if (korvida::cli::isCommand(argc, argv))
        return korvida::cli::run(argc, argv);
    if (!korvida::cli::displayAvailable())
        return korvida::cli::windowUnavailable("no display: DISPLAY and WAYLAND_DISPLAY are not set", std::cerr);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvida"));
    QApplication::setApplicationDisplayName(QStringLiteral("Korvida"));
    QApplication::setApplicationVersion(QStringLiteral(KORVIDA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("korvida"));
    // The program ends only through the controller's quit, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList arguments = QApplication::arguments().mid(1);
    const QString screenshot = korvida::qt::takeScreenshotOption(arguments);
    const QString folder = arguments.isEmpty() ? QString() : folderToOpen(arguments.first());

    // A second start hands its folder to the window already open and ends.
    korvida::qt::SingleInstance instance(korvida::qt::SingleInstance::defaultServerName());
    if (screenshot.isEmpty() && instance.handToRunning(folder))
        return 0;

    korvida::qt::applyLook(application);
    korvida::qt::DesktopApp desktop;
    if (screenshot.isEmpty()) {
        instance.listen([&desktop](const QString& handed) {
            if (!handed.isEmpty())
                desktop.openFolder(handed);
            desktop.raiseMainWindow();
        });
    }
    desktop.launch();
    if (!folder.isEmpty())
        desktop.openFolder(folder);
    if (!screenshot.isEmpty())
        korvida::qt::scheduleScreenshot(desktop, screenshot);
    return QApplication::exec();
}
