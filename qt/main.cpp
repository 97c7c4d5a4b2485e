#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "cli/command_line.h"
#include "qt/desktop_app.h"
#include "qt/look.h"
#include "qt/screenshot.h"
#include "qt/single_instance.h"

int main(int argc, char** argv)
{
    // The command-line commands run without a display.
    if (korvida::cli::isCommand(argc, argv))
        return korvida::cli::run(argc, argv);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvida"));
    QApplication::setApplicationDisplayName(QStringLiteral("Korvida"));
    QApplication::setApplicationVersion(QStringLiteral(KORVIDA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("korvida"));
    // The program ends only through the controller's quit, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList arguments = QApplication::arguments().mid(1);
    const QString screenshot = korvida::qt::takeScreenshotOption(arguments);
    const QString folder =
        arguments.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(arguments.first()).absoluteFilePath());

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
