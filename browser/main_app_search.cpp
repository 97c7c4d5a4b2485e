// The search field's action: the list of the last click narrowed to the items whose
// shown or own name, artist, album or genre begins with the typed text.
#include "app/main_app.h"
#include "browser/main_app_browser_views.h"
#include "browser/search_match.h"

void MainApp::searchFieldAction(korvida::TextField* sender)
{
    const std::string typed = sender != nullptr ? sender->stringValue() : std::string();
    medias = typed.empty() ? wholeLists.searchedForNothing(searchMedias) : korvida::searchResult(searchMedias, typed);
    korvida::showFilesCount(*this);
    korvida::showOwnOrder(*this, korvida::BrowserTable::Media);
    korvida::reloadMediaTables(*this);
}
