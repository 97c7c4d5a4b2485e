// The media tables' optional columns (the tunes' statistics): the user shows and hides them
// from a header's menu, both media tables follow, and the choice is kept in the defaults.
#include "app/main_app.h"
#include "app/preference_keys.h"
#include "browser/main_app_browser_views.h"

using korvida::BrowserTable;
using korvida::TableColumn;
using korvida::TableView;

namespace {

bool isMediaTable(BrowserTable table)
{
    return table == BrowserTable::Media || table == BrowserTable::MediaFullScreen;
}

// The identifiers of the columns shown, as the defaults keep them: "rating playCount" (a
// comma would make the settings file read the text as a list).
std::string shownColumnsText(const TableView& table)
{
    std::string text;
    for (const auto& column : table.tableColumns()) {
        if (!column->isUserHideable() || column->isHidden())
            continue;
        if (!text.empty())
            text += ' ';
        text += column->identifier();
    }
    return text;
}

bool listed(const std::string& text, const std::string& identifier)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (text.compare(start, end - start, identifier) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

void MainApp::tableViewDidChangeColumnVisibility(TableView* table, TableColumn* column)
{
    if (table == nullptr || column == nullptr || !isMediaTable(korvida::browserTableOf(*this, *table)))
        return;
    const bool hidden = column->isHidden();
    korvida::onBothTwins(*this, BrowserTable::Media, [&](TableView& view) {
        if (TableColumn* same = view.tableColumnWithIdentifier(column->identifier()))
            same->setHidden(hidden);
    });
    defaults.setObjectForKey(shownColumnsText(*mediaTableView), korvida::kShownMediaColumnsKey);
}

void MainApp::loadShownMediaColumns()
{
    const std::string shown = defaults.objectForKey(korvida::kShownMediaColumnsKey).value_or("");
    korvida::onBothTwins(*this, BrowserTable::Media, [&shown](TableView& view) {
        for (const auto& column : view.tableColumns())
            if (column->isUserHideable())
                column->setHidden(!listed(shown, column->identifier()));
    });
}
