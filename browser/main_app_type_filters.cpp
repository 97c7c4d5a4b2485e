// The type filters: each chooses which items of the library take part and resets the
// browser to "All" / "All" / "All" over them.
#include "app/main_app.h"
#include "browser/main_app_browser_views.h"
#include "browser/type_filter.h"

namespace {

// The button of the filter in force looks pressed; the others, and all four for the
// music-and-movies filter of the playlist table, do not.
void showTypeFilter(MainApp& app, korvida::TypeFilter filter)
{
    const std::pair<korvida::Button*, korvida::TypeFilter> buttons[] = {
        {app.movieFilterButton.get(), korvida::TypeFilter::Movies},
        {app.musicFilterButton.get(), korvida::TypeFilter::Music},
        {app.pictureFilterButton.get(), korvida::TypeFilter::Pictures},
        {app.allFilterButton.get(), korvida::TypeFilter::All},
    };
    for (const auto& [button, shown] : buttons)
        button->setState(shown == filter ? 1 : 0);
}

void applyTypeFilter(MainApp& app, korvida::TypeFilter filter)
{
    showTypeFilter(app, filter);
    app.generes.clear();
    app.artists.clear();
    app.albums.clear();
    app.medias.clear();
    app.allMedias = korvida::mediasOfType(app.mediasVisible, filter);
    app.canselCopying->setHidden(true);
    app.setGenere();
    korvida::showOwnOrder(app, korvida::BrowserTable::Genere);
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
    generes = wholeLists.browsed(allMedias).generes;
}
