// A first "All" filter and table refresh, enough to show a freshly read library; the browser
// replaces both.
#include "app/main_app.h"

void MainApp::allButton(korvida::Button* /*sender*/)
{
    allMedias.clear();
    for (const auto& media : mediasVisible)
        allMedias.push_back(media.get());
    medias = allMedias;
    searchMedias = medias;
    mediaTableView->reloadData();
    mediaTableViewFullScreen->reloadData();
}

void MainApp::updateUI()
{
    for (korvida::TableView* table :
         {genereTableView.get(), artistTableView.get(), albumTableView.get(), mediaTableView.get(),
          playListsTableView.get(), playListTableViewFullScreen.get(), genereTableViewFullScreen.get(),
          artistTableViewFullScreen.get(), albumTableViewFullScreen.get(), mediaTableViewFullScreen.get()})
        table->reloadData();
}
