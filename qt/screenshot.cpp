#include "qt/screenshot.h"

#include <QCoreApplication>
#include <QFile>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

#include "qt/desktop_app.h"
#include "qt/main_window.h"

namespace korvida::qt {

namespace {
// Long enough for two ticks: the first reads the device.
constexpr int kScreenshotDelayMs = 3000;
} // namespace

QString takeScreenshotOption(std::vector<std::string>& arguments)
{
    const auto at = std::find(arguments.begin(), arguments.end(), "--screenshot");
    if (at == arguments.end() || at + 1 == arguments.end())
        return {};
    const QString file = QFile::decodeName(QByteArray::fromStdString(*(at + 1)));
    arguments.erase(at, at + 2);
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
