#include "qt/screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>

#include "qt/desktop_app.h"
#include "qt/main_window.h"

namespace korvida::qt {

namespace {
// Long enough for two ticks: the first reads the device.
constexpr int kScreenshotDelayMs = 3000;
} // namespace

QString takeScreenshotOption(QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    if (at < 0 || at + 1 >= arguments.size())
        return {};
    const QString file = arguments.at(at + 1);
    arguments.remove(at, 2);
    return file;
}

void scheduleScreenshot(DesktopApp& desktop, const QString& file)
{
    QTimer::singleShot(kScreenshotDelayMs, &desktop, [&desktop, file] {
        const bool saved = desktop.interface().mainWindow->grab().save(file);
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace korvida::qt
