// The type filters: each chooses which items of the library take part and resets the
// browser to "All" / "All" / "All" over them.
#include "app/main_app.h"
#include "browser/column_rows.h"
#include "browser/type_filter.h"

namespace {

void applyTypeFilter(MainApp& app, korvida::TypeFilter filter)
{
    app.generes.clear();
    app.artists.clear();
    app.albums.clear();
    app.medias.clear();
    app.allMedias = korvida::mediasOfType(app.mediasVisible, filter);
    app.canselCopying->setHidden(true);
    app.setGenere();
    app.updateUI();
    for (korvida::TableView* table : {app.genereTableView.get(), app.genereTableViewFullScreen.get()}) {
        table->selectRow(0, false);
        table->scrollRowToVisible(0);
    }
    app.tableViewClicked(app.genereTableView.get());
}

} // namespace

void MainApp::movieButton(korvida::Button* /*sender*/)
{
    applyTypeFilter(*this, korvida::TypeFilter::Movies);
}

void MainApp::musicButton(korvida::Button* /*sender*/)
{
    applyTypeFilter(*this, korvida::TypeFilter::Music);
}

void MainApp::pictureButton(korvida::Button* /*sender*/)
{
    applyTypeFilter(*this, korvida::TypeFilter::Pictures);
}

void MainApp::allButton(korvida::Button* /*sender*/)
{
    applyTypeFilter(*this, korvida::TypeFilter::All);
}

void MainApp::musicAndMovies()
{
    applyTypeFilter(*this, korvida::TypeFilter::MusicAndMovies);
}

void MainApp::setGenere()
{
    generes = korvida::buildColumnRows<Genere>(allMedias, [](const InMedia&) { return true; });
}
