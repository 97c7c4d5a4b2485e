#include "qt/services/qt_desktop.h"

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include "platform/window.h"
#include "qt/coordinates.h"
#include "qt/services/folder_chooser_dialog.h"
#include "qt/widgets/message_width.h"

namespace korvida::qt {

namespace {

// Above every ordinary window: the full-screen windows stay on top.
constexpr int kShieldingLevel = 1000;

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

bool QtWorkspace::openURL(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toQString(url)));
}

namespace {

std::string standardFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location).toStdString();
}

} // namespace

QtScriptRunner::QtScriptRunner()
    : runner(ImportFolders{standardFolder(QStandardPaths::MusicLocation),
                           standardFolder(QStandardPaths::MoviesLocation),
                           standardFolder(QStandardPaths::PicturesLocation)},
             localFileSystem(), &tagWriter)
{}

bool QtScriptRunner::executeScript(const std::string& source)
{
    return runner.executeScript(source);
}

bool QtScriptRunner::executeImportScript(const std::string& source, const ScriptContext& context)
{
    return runner.executeImportScript(source, context);
}

std::vector<UnwrittenFile> QtScriptRunner::finishImport()
{
    return runner.finishImport();
}

std::optional<std::string> QtScriptRunner::folderOnPlayer(const std::string& playerFolder) const
{
    return runner.folderOnPlayer(playerFolder);
}

void QtFolderChooser::chooseFolder(Window& sheetParent, const FolderRequest& request, Completion done)
{
    auto* dialog = new FolderChooserDialog(
        toQString(request.prompt), request.startFolder.empty() ? QDir::homePath() : toQString(request.startFolder),
        widgets(sheetParent));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done = std::move(done)](int result) {
        if (result == QDialog::Accepted)
            done(dialog->folder().toStdString());
        else
            done(std::nullopt);
    });
    dialog->open();
}

AlertChoice QtAlert::runAlertPanel(const std::string& title, const std::string& message,
                                   const std::string& defaultButton, const std::string& alternateButton,
                                   const std::string& otherButton)
{
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::Warning);
    box.setText(toQString(title));
    box.setInformativeText(toQString(message));
    QPushButton* defaultChoice = box.addButton(toQString(defaultButton.empty() ? "OK" : defaultButton),
                                               QMessageBox::AcceptRole);
    QPushButton* alternateChoice = alternateButton.empty()
        ? nullptr
        : box.addButton(toQString(alternateButton), QMessageBox::RejectRole);
    QPushButton* otherChoice = otherButton.empty()
        ? nullptr
        : box.addButton(toQString(otherButton), QMessageBox::DestructiveRole);
    box.setDefaultButton(defaultChoice);
    // Escape answers "Cancel" wherever it stands, so that the key never takes the other
    // answer of a question whose safe answer is its default.
    for (QPushButton* choice : {defaultChoice, alternateChoice, otherChoice})
        if (choice != nullptr && choice->text() == QStringLiteral("Cancel"))
            box.setEscapeButton(choice);
    giveReadableWidth(box);
    box.exec();
    if (box.clickedButton() == alternateChoice && alternateChoice != nullptr)
        return AlertChoice::Alternate;
    if (box.clickedButton() == otherChoice && otherChoice != nullptr)
        return AlertChoice::Other;
    return AlertChoice::Default;
}

QtCursor::~QtCursor()
{
    while (hidden > 0)
        showCursor();
}

Point QtCursor::mouseLocation() const
{
    return fromQtScreenPoint(QCursor::pos());
}

void QtCursor::hideCursor()
{
    ++hidden;
    QApplication::setOverrideCursor(Qt::BlankCursor);
}

void QtCursor::showCursor()
{
    // Balanced like the system's calls: one show undoes one hide, and a show without a hide
    // does nothing.
    if (hidden == 0)
        return;
    --hidden;
    QApplication::restoreOverrideCursor();
}

Rect QtScreens::screenFrameOf(const Window& window) const
{
    const QWidget* widget = widgets(window);
    const QScreen* screen = widget != nullptr ? widget->screen() : QApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return fromQtScreenRect(screen->geometry());
}

int QtScreens::shieldingWindowLevel() const
{
    return kShieldingLevel;
}

bool QtScreens::createWindow(Window& window, const Rect& contentRect, const Window& screenOf)
{
    QWidget* widget = widgets(window);
    if (widget == nullptr)
        return false;
    if (widget->windowHandle() != nullptr)
        return true;
    // Style and level first: changing a made window's flags makes its native window again,
    // and a video shown inside it would not come back.
    window.setStyle(WindowStyle::Borderless);
    window.setLevel(shieldingWindowLevel());
    window.setFrame(contentRect);
    if (const QWidget* owner = widgets(screenOf); owner != nullptr && owner->screen() != nullptr)
        widget->setScreen(owner->screen());
    widget->winId();
    return widget->windowHandle() != nullptr;
}

void QtKeepAwake::updateSystemActivity()
{
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("SimulateUserActivity"));
    // Nobody waits for the answer: an error (no screen saver on the bus) is dropped unread.
    call.setAutoStartService(false);
    bus.send(call);
}

void QtApplication::terminate()
{
    terminated = true;
    QCoreApplication::quit();
}

} // namespace korvida::qt
