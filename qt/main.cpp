#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <iostream>

#include "cli/command_line.h"
#include "cli/device_path.h"
#include "cli/exit_status.h"
#include "qt/desktop_app.h"
#include "qt/look.h"
#include "qt/screenshot.h"
#include "qt/single_instance.h"

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

    // The folder is taken as the bytes it was given: a name need not be valid UTF-8.
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const QString screenshot = korvida::qt::takeScreenshotOption(arguments);
    std::string folder;
    if (!arguments.empty()) {
        const std::optional<std::string> named = korvida::cli::folderToOpen(arguments.front(), "korvida", std::cerr);
        if (!named)
            return korvida::cli::kExitUsage;
        folder = *named;
    }

    // A second start hands its folder to the window already open and ends.
    korvida::qt::SingleInstance instance(korvida::qt::SingleInstance::defaultServerName());
    if (screenshot.isEmpty() && instance.handToRunning(folder))
        return 0;

    korvida::qt::applyLook(application);
    korvida::qt::DesktopApp desktop({}, folder);
    if (screenshot.isEmpty()) {
        instance.listen([&desktop](const std::string& handed) {
            if (!handed.empty())
                desktop.openFolder(handed);
            desktop.raiseMainWindow();
        });
    }
    desktop.launch();
    if (!folder.empty())
        desktop.openFolder(folder);
    if (!screenshot.isEmpty())
        korvida::qt::scheduleScreenshot(desktop, screenshot);
    return QApplication::exec();
}
