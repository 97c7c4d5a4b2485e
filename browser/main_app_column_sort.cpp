// A click on a column header sorts that table's list in place, alternating the direction
// that the column remembers.
#include "app/main_app.h"
#include "browser/column_rows.h"
#include "browser/main_app_browser_views.h"
#include "browser/media_compare.h"
#include "browser/statistic_columns.h"

namespace {

std::optional<korvida::MediaOrder> mediaOrderFor(std::string_view key, bool flag)
{
    using korvida::MediaOrder;
    if (key == "name")
        return flag ? MediaOrder::NameDown : MediaOrder::NameUp;
    if (key == "artist")
        return flag ? MediaOrder::ArtistDown : MediaOrder::ArtistUp;
    if (key == "album")
        return flag ? MediaOrder::AlbumtDown : MediaOrder::AlbumtUp;
    if (key == "genere")
        return flag ? MediaOrder::GenreDown : MediaOrder::GenreUp;
    // The tag column sorts ascending on its first click.
    if (key == "taged")
        return flag ? MediaOrder::TuneOnCdNrUp : MediaOrder::TuneOnCdNrDown;
    return std::nullopt;
}

} // namespace

void MainApp::tableViewDidClickTableColumn(korvida::TableView* table, korvida::TableColumn* column)
{
    if (table == nullptr || column == nullptr)
        return;
    const auto& prototype = column->sortDescriptorPrototype();
    const bool flag = !(prototype && prototype->ascending);
    column->setSortDescriptorPrototype(korvida::SortDescriptor{column->identifier(), flag});

    bool sorted = true;
    switch (korvida::browserTableOf(*this, *table)) {
    case korvida::BrowserTable::Media:
    case korvida::BrowserTable::MediaFullScreen:
        if (const auto order = mediaOrderFor(column->identifier(), flag))
            korvida::sortMedias(medias, *order);
        else if (const auto statistic = korvida::statisticOf(column->identifier()))
            korvida::sortMediasByStatistic(medias, *statistic, flag);
        else
            sorted = false;
        break;
    case korvida::BrowserTable::Genere:
    case korvida::BrowserTable::GenereFullScreen: korvida::resortColumnRows(generes, flag); break;
    case korvida::BrowserTable::Artist:
    case korvida::BrowserTable::ArtistFullScreen: korvida::resortColumnRows(artists, flag); break;
    case korvida::BrowserTable::Album:
    case korvida::BrowserTable::AlbumFullScreen: korvida::resortColumnRows(albums, flag); break;
    default: sorted = false; break;
    }
    // The arrow shows the order the list is now in: every column but the tag column sorts
    // descending when its flag is set.
    if (sorted)
        table->setSortIndicator(column, column->identifier() == "taged" ? flag : !flag);
    table->reloadData();
}
