#include "browser/main_app_browser_views.h"

#include "app/main_app.h"
#include "browser/column_stages.h"

namespace korvida {

BrowserTable browserTableOf(const MainApp& app, const TableView& table)
{
    const std::pair<const TableView*, BrowserTable> known[] = {
        {app.mediaTableView.get(), BrowserTable::Media},
        {app.mediaTableViewFullScreen.get(), BrowserTable::MediaFullScreen},
        {app.genereTableView.get(), BrowserTable::Genere},
        {app.genereTableViewFullScreen.get(), BrowserTable::GenereFullScreen},
        {app.artistTableView.get(), BrowserTable::Artist},
        {app.artistTableViewFullScreen.get(), BrowserTable::ArtistFullScreen},
        {app.albumTableView.get(), BrowserTable::Album},
        {app.albumTableViewFullScreen.get(), BrowserTable::AlbumFullScreen},
        {app.playListsTableView.get(), BrowserTable::PlayLists},
        {app.playListTableViewFullScreen.get(), BrowserTable::PlayListsFullScreen},
        {app.iTunesPlayListsTableView.get(), BrowserTable::ImportTargets},
    };
    for (const auto& [view, kind] : known)
        if (view == &table)
            return kind;
    return BrowserTable::Other;
}

TableView* tableViewOf(const MainApp& app, BrowserTable table)
{
    switch (table) {
    case BrowserTable::Media: return app.mediaTableView.get();
    case BrowserTable::MediaFullScreen: return app.mediaTableViewFullScreen.get();
    case BrowserTable::Genere: return app.genereTableView.get();
    case BrowserTable::GenereFullScreen: return app.genereTableViewFullScreen.get();
    case BrowserTable::Artist: return app.artistTableView.get();
    case BrowserTable::ArtistFullScreen: return app.artistTableViewFullScreen.get();
    case BrowserTable::Album: return app.albumTableView.get();
    case BrowserTable::AlbumFullScreen: return app.albumTableViewFullScreen.get();
    case BrowserTable::PlayLists: return app.playListsTableView.get();
    case BrowserTable::PlayListsFullScreen: return app.playListTableViewFullScreen.get();
    case BrowserTable::ImportTargets: return app.iTunesPlayListsTableView.get();
    case BrowserTable::Other: break;
    }
    return nullptr;
}

void showOwnOrder(TableView& table, TableView& twin)
{
    table.setSortIndicator(nullptr, true);
    twin.setSortIndicator(nullptr, true);
}

void deselectAndReloadMediaTables(MainApp& app)
{
    showOwnOrder(*app.mediaTableView, *app.mediaTableViewFullScreen);
    app.mediaTableView->deselectAll();
    app.mediaTableViewFullScreen->deselectAll();
    reloadMediaTables(app);
}

void reloadMediaTables(MainApp& app)
{
    app.mediaTableView->reloadData();
    app.mediaTableViewFullScreen->reloadData();
}

void showPlayState(MainApp& app, bool playingNow)
{
    const auto& image = playingNow ? app.pauseButtonImageControllPanel : app.palyButtonImageControllPanel;
    app.play->setImage(image);
    app.playButtonControllPanel->setImage(image);
}

void showFilesCount(MainApp& app)
{
    app.numberOfMedias->setStringValue(filesCountText(app.medias.size()));
}

void takeSearchSnapshot(MainApp& app)
{
    app.searchMedias = app.medias;
    app.searchField->setStringValue("");
}

} // namespace korvida
