// The sheets over the main window: preferences and import. Their controls sit at their frames.
#include <QAbstractButton>
#include <QDialog>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/binding/binder.h"
#include "qt/interface/interface_builder.h"
#include "qt/main_window.h"
#include "qt/widgets/flipped_container.h"

namespace korvida::qt {

namespace {

// Two check boxes that act as a pair of alternatives: choosing one clears the other, and
// choosing the one already on keeps it on.
void alternatives(Button& first, QAbstractButton* firstWidget, Button& second, QAbstractButton* secondWidget)
{
    QObject::connect(firstWidget, &QAbstractButton::clicked, firstWidget, [&first, &second] {
        first.setState(1);
        second.setState(0);
    });
    QObject::connect(secondWidget, &QAbstractButton::clicked, secondWidget, [&first, &second] {
        second.setState(1);
        first.setState(0);
    });
}

} // namespace

FlippedContainer* InterfaceBuilder::sheet(Panel& panel, MainInterface& ui, Button& dismiss)
{
    auto* dialog = named(new QDialog(ui.mainWindow), panel);
    auto* host = new QVBoxLayout(dialog);
    host->setContentsMargins(0, 0, 0, 0);
    auto* content = new FlippedContainer;
    content->setObjectName(outlet(panel) + QStringLiteral("Content"));
    host->addWidget(content);
    binder.registerContent(*panel.contentView(), content);
    binder.bindWindow(panel, dialog, dialog, dialog, [&dismiss] { dismiss.performClick(); });
    return content;
}

QAbstractButton* InterfaceBuilder::radio(Button& model, FlippedContainer* container)
{
    auto* widget = named(new QRadioButton(container), model);
    widget->setAutoExclusive(false);
    binder.bindButton(model, widget, container);
    return widget;
}

void InterfaceBuilder::buildPreferences(MainInterface& ui)
{
    FlippedContainer* content = sheet(*app.preferencesPanel, ui, *app.closePreferences);
    button(*app.fadingWindowsTagg, content);
    button(*app.trackNumberTagg, content);
    QAbstractButton* disk = radio(*app.diskImportTagg, content);
    QAbstractButton* import = radio(*app.iTunes_iPhotoImportTagg, content);
    alternatives(*app.diskImportTagg, disk, *app.iTunes_iPhotoImportTagg, import);
    button(*app.writeStatisticsTagg, content);
    button(*app.closePreferences, content)->setProperty("accent", true);
}

void InterfaceBuilder::buildImportSheet(MainInterface& ui)
{
    FlippedContainer* content = sheet(*app.whereToImportPanel, ui, *app.cancelImportButton);
    button(*app.makeItunesImport, content);
    button(*app.makeIPhotoImport, content);
    QTableView* lists = tableWidget(*app.iTunesPlayListsTableView);
    lists->setParent(content);
    binder.bindTableView(*app.iTunesPlayListsTableView, lists, content);
    lists->horizontalHeader()->resizeSection(0, 26);
    button(*app.cancelImportButton, content);
    button(*app.doImportButton, content)->setProperty("accent", true);
}

} // namespace korvida::qt
