// A click in the genre, artist, album or media table of either window: the twin takes the
// same row, the levels below the clicked one are rebuilt and reset to "All", and the search
// starts again from the resulting media list.
#include "app/main_app.h"
#include "browser/column_stages.h"
#include "browser/column_titles.h"
#include "browser/main_app_browser_views.h"

using korvida::BrowserTable;
using korvida::TableView;

namespace {

// The selected row of a main-window column when it names an existing row, else -1.
template <class Row>
int validSelection(const TableView& table, const std::vector<Row>& rows)
{
    const int row = table.selectedRow();
    return row >= 0 && static_cast<std::size_t>(row) < rows.size() ? row : -1;
}

void resetToFirstRow(const MainApp& app, BrowserTable table)
{
    korvida::onBothTwins(app, table, [](TableView& view) {
        view.setSortIndicator(nullptr, true);
        view.deselectAll();
        view.selectRow(0, false);
        view.scrollRowToVisible(0);
        view.reloadData();
    });
}

void albumStage(MainApp& app)
{
    const int genreRow = validSelection(*app.genereTableView, app.generes);
    const int artistRow = validSelection(*app.artistTableView, app.artists);
    const int albumRow = validSelection(*app.albumTableView, app.albums);
    if (genreRow < 0 || artistRow < 0 || albumRow < 0)
        return;
    if (genreRow == 0 && artistRow == 0 && albumRow == 0)
        app.medias = app.wholeLists.browsed(app.allMedias).medias;
    else
        app.medias = korvida::mediasForChoice(app.allMedias, app.generes[genreRow].getGenere(),
                                              app.artists[artistRow].getArtist(), app.albums[albumRow].getAlbum());
    korvida::deselectAndReloadMediaTables(app);
    korvida::showFilesCount(app);
    korvida::showPlayState(app, app.playing);
    app.canselCopying->setHidden(true);
}

// The lists below a rebuilt level are emptied from the tables; what plays plays on.
void clearMediasBelow(MainApp& app)
{
    app.medias.clear();
    korvida::deselectAndReloadMediaTables(app);
    app.canselCopying->setHidden(true);
}

void artistStage(MainApp& app)
{
    const int genreRow = validSelection(*app.genereTableView, app.generes);
    const int artistRow = validSelection(*app.artistTableView, app.artists);
    if (genreRow < 0 || artistRow < 0)
        return;
    if (genreRow == 0 && artistRow == 0)
        app.albums = app.wholeLists.browsed(app.allMedias).albums;
    else
        app.albums = korvida::albumRowsFor(app.allMedias, genreRow, app.generes[genreRow].getGenere(), artistRow,
                                           app.artists[artistRow].getArtist());
    resetToFirstRow(app, BrowserTable::Album);
    clearMediasBelow(app);
    albumStage(app);
}

void genreStage(MainApp& app)
{
    const int genreRow = validSelection(*app.genereTableView, app.generes);
    if (genreRow < 0)
        return;
    app.albums.clear();
    app.artists = genreRow == 0 ? app.wholeLists.browsed(app.allMedias).artists
                                : korvida::artistRowsFor(app.allMedias, genreRow, app.generes[genreRow].getGenere());
    korvida::onBothTwins(app, BrowserTable::Album, [](TableView& view) { view.deselectAll(); });
    resetToFirstRow(app, BrowserTable::Artist);
    korvida::onBothTwins(app, BrowserTable::Album, [](TableView& view) { view.reloadData(); });
    clearMediasBelow(app);
    artistStage(app);
}

void mediaRowStage(MainApp& app, int row)
{
    if (static_cast<std::size_t>(row) >= app.medias.size())
        return;
    // Choosing a row plays nothing: play then plays it, or pauses it when it is the one playing.
    InMedia* clicked = app.medias[row];
    app.showTagCount();
    const bool waiting = clicked->getShouldStartCopy();
    if (clicked->getIsCopying() || waiting) {
        app.canselCopying->setHidden(false);
        app.copyingProgressIndicator->setHidden(false);
        app.copyingProgressIndicator->setIndeterminate(waiting);
        // The bar starts over at 0 of the item's size in tens of bytes (its low 32 bits).
        if (!waiting)
            app.settCopyingProgress(static_cast<std::int32_t>(clicked->getFileSize()));
    } else {
        app.copyingProgressIndicator->setHidden(true);
        app.canselCopying->setHidden(true);
    }
}

void showColumnTitles(MainApp& app)
{
    const auto titles = korvida::titlesForShownMedias(app.medias);
    if (!titles)
        return;
    for (korvida::TableColumn* column :
         {app.artistColumn, app.artistColumnControllPanelFullScreen, app.artistColumnMedia})
        column->setHeaderTitle(std::string(titles->artist));
    for (korvida::TableColumn* column : {app.albumColumn, app.albumColumnControllPanelFullScreen, app.albumColumnMedia})
        column->setHeaderTitle(std::string(titles->album));
    if (*titles == korvida::kPhotoTitles) {
        app.artistTableView->reloadData();
        app.albumTableView->reloadData();
    }
}

} // namespace

void MainApp::tableViewClicked(TableView* sender)
{
    if (sender == nullptr)
        return;
    const int row = sender->selectedRow();
    if (row < 0)
        return;
    const BrowserTable table = korvida::browserTableOf(*this, *sender);
    korvida::followInTwin(*this, *sender, row);
    switch (table) {
    case BrowserTable::Genere:
    case BrowserTable::GenereFullScreen: genreStage(*this); break;
    case BrowserTable::Artist:
    case BrowserTable::ArtistFullScreen: artistStage(*this); break;
    case BrowserTable::Album:
    case BrowserTable::AlbumFullScreen: albumStage(*this); break;
    case BrowserTable::Media:
    case BrowserTable::MediaFullScreen: mediaRowStage(*this, row); break;
    default: break;
    }
    showColumnTitles(*this);
    korvida::takeSearchSnapshot(*this);
}
