#include "qt/interface/browser_keys.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QShortcut>

#include "qt/main_window.h"

namespace korvida::qt {

namespace {

// A key of the main window that clicks a button as the user would.
void clickOnKey(MainWindow* window, const char* keys, Button& button)
{
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), window);
    QObject::connect(shortcut, &QShortcut::activated, window, [&button] { button.performClick(); });
}

struct ButtonText {
    const char* outlet;
    const char* text;
};

constexpr ButtonText kButtonTexts[] = {
    {"back", "Previous"},
    {"backButtonControllPanel", "Previous"},
    {"fastBack", "Rewind"},
    {"fastBackControllPanel", "Rewind"},
    {"play", "Play or pause (Space)"},
    {"playButtonControllPanel", "Play or pause (Space)"},
    {"fastForward", "Fast forward"},
    {"fastForwardControllPanel", "Fast forward"},
    {"next", "Next"},
    {"nextButtonControllPanel", "Next"},
    {"fullScreenB", "Full screen"},
    {"leaveFullScreenButton", "Back to the window (Escape)"},
    {"hidePanelsButton", "Hide the controls until the mouse moves"},
    {"windowB", "Window"},
    {"tagButton", "Tag the selected rows (Ctrl+T)"},
    {"untagButton", "Untag the selected rows (Ctrl+Shift+T)"},
    {"selectAllButton", "Select every row (Ctrl+A)"},
    {"searchField", "Search names, artists, albums and genres (Ctrl+F; Escape clears)"},
};

} // namespace

void addBrowserKeys(MainApp& app, MainInterface& ui)
{
    MainWindow* window = ui.mainWindow;
    clickOnKey(window, "Ctrl+T", *app.tagButton);
    clickOnKey(window, "Ctrl+Shift+T", *app.untagButton);
    // In the search field Ctrl+A keeps selecting its text: the field takes the key first.
    clickOnKey(window, "Ctrl+A", *app.selectAllButton);

    auto* search = window->findChild<QLineEdit*>(QStringLiteral("searchField"));
    if (search == nullptr)
        return;
    auto* find = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), window);
    QObject::connect(find, &QShortcut::activated, search, [search] {
        search->setFocus(Qt::ShortcutFocusReason);
        search->selectAll();
    });
    auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), search, nullptr, nullptr, Qt::WidgetShortcut);
    TextField& field = *app.searchField;
    QObject::connect(clear, &QShortcut::activated, search, [&field] {
        field.setStringValue({});
        field.sendAction();
    });
}

void describeButtons()
{
    QHash<QString, QString> texts;
    for (const ButtonText& button : kButtonTexts)
        texts.insert(QString::fromLatin1(button.outlet), QString::fromUtf8(button.text));
    // The full-screen panels' contents have no window yet: every widget is looked at.
    for (QWidget* widget : QApplication::allWidgets()) {
        const auto text = texts.constFind(widget->objectName());
        if (text != texts.constEnd())
            widget->setToolTip(*text);
    }
}

} // namespace korvida::qt
