// Connects the browser's controls to their operations: type buttons, the tables of both
// windows (clicks, header clicks and the media tables' column menus), the search field and
// the tag buttons.
#include "app/main_app.h"

using korvida::Button;
using korvida::TableColumn;
using korvida::TableView;

void MainApp::connectBrowser()
{
    movieFilterButton->setAction([this](Button& sender) { movieButton(&sender); });
    musicFilterButton->setAction([this](Button& sender) { musicButton(&sender); });
    pictureFilterButton->setAction([this](Button& sender) { pictureButton(&sender); });
    allFilterButton->setAction([this](Button& sender) { allButton(&sender); });
    tagButton->setAction([this](Button& sender) { tagSelectedButton(&sender); });
    untagButton->setAction([this](Button& sender) { tagSelectedButton(&sender); });
    selectAllButton->setAction([this](Button& sender) { selectedAllMediaButton(&sender); });
    searchField->setAction([this](korvida::TextField& sender) { searchFieldAction(&sender); });

    for (TableView* table : {genereTableView.get(), artistTableView.get(), albumTableView.get(), mediaTableView.get(),
                             genereTableViewFullScreen.get(), artistTableViewFullScreen.get(),
                             albumTableViewFullScreen.get(), mediaTableViewFullScreen.get()})
        table->setAction([this](TableView& sender) { tableViewClicked(&sender); });
    for (TableView* table : {playListsTableView.get(), playListTableViewFullScreen.get()})
        table->setAction([this](TableView& sender) { tableViewPlayListsClicked(&sender); });
    for (TableView* table : {genereTableView.get(), artistTableView.get(), albumTableView.get(), mediaTableView.get(),
                             playListsTableView.get(), genereTableViewFullScreen.get(), artistTableViewFullScreen.get(),
                             albumTableViewFullScreen.get(), mediaTableViewFullScreen.get(),
                             playListTableViewFullScreen.get(), iTunesPlayListsTableView.get()})
        table->setHeaderAction(
            [this](TableView& sender, TableColumn& column) { tableViewDidClickTableColumn(&sender, &column); });
    for (TableView* table : {mediaTableView.get(), mediaTableViewFullScreen.get()})
        table->setColumnVisibilityAction(
            [this](TableView& sender, TableColumn& column) { tableViewDidChangeColumnVisibility(&sender, &column); });
}
