#include <gtest/gtest.h>

#include <vector>

#include "platform/table_view.h"

using korvida::Change;
using korvida::TableView;

namespace {

// A data source whose row count the test changes.
class CountingSource : public korvida::TableDataSource {
public:
    int rows = 0;
    int numberOfRowsInTableView(const TableView&) override { return rows; }
};

class TableSelection : public ::testing::Test {
protected:
    TableSelection()
    {
        source.rows = 5;
        table.setDataSource(&source);
    }

    CountingSource source;
    TableView table;
};

} // namespace

TEST_F(TableSelection, SingleSelectionKeepsOneRowAndIgnoresRowsThatDoNotExist)
{
    table.selectRowIndexes({1, 3}, false);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{3}));
    EXPECT_EQ(table.selectedRow(), 3);

    table.selectRow(2, true);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{2}));

    table.selectRow(5, false);
    table.selectRow(-1, false);
    EXPECT_EQ(table.selectedRow(), -1);
    EXPECT_TRUE(table.selectedRowIndexes().empty());

    table.selectAll();
    EXPECT_TRUE(table.selectedRowIndexes().empty());
}

TEST_F(TableSelection, MultipleSelectionExtendsAndSelectsAll)
{
    table.setAllowsMultipleSelection(true);
    table.selectRow(1, false);
    table.selectRow(3, true);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{1, 3}));
    EXPECT_EQ(table.selectedRow(), 3);

    table.selectRow(0, false);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{0}));

    table.selectAll();
    EXPECT_EQ(table.numberOfSelectedRows(), 5);
    table.deselectAll();
    EXPECT_EQ(table.selectedRow(), -1);
}

TEST_F(TableSelection, ReloadDropsRowsThatHaveGone)
{
    table.setAllowsMultipleSelection(true);
    table.selectRowIndexes({1, 2, 4}, false);
    EXPECT_EQ(table.selectedRow(), 4);

    source.rows = 3;
    table.reloadData();
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{1, 2}));
    EXPECT_EQ(table.selectedRow(), 2);

    source.rows = 0;
    table.reloadData();
    EXPECT_EQ(table.selectedRow(), -1);
    EXPECT_EQ(table.numberOfRows(), 0);
}

TEST(TableView, WithoutDataSourceOrWithANegativeCountHasNoRows)
{
    TableView table;
    EXPECT_EQ(table.numberOfRows(), 0);
    table.selectRow(0, false);
    EXPECT_EQ(table.selectedRow(), -1);

    CountingSource source;
    source.rows = -4;
    table.setDataSource(&source);
    EXPECT_EQ(table.numberOfRows(), 0);
}

TEST(TableView, ClicksReachTheirActionsAndChangesTheObserver)
{
    TableView table;
    std::vector<Change> changes;
    table.setObserver([&](Change change) { changes.push_back(change); });
    std::vector<std::string> heard;
    table.setAction([&](TableView&) { heard.push_back("click"); });
    table.setDoubleAction([&](TableView&) { heard.push_back("double"); });
    table.setHeaderAction([&](TableView&, korvida::TableColumn& column) { heard.push_back(column.identifier()); });
    korvida::TableColumn& name = table.addTableColumn(std::make_unique<korvida::TableColumn>("name", "Name"));

    table.performClick();
    table.performDoubleClick();
    table.performHeaderClick(name);
    table.reloadData();
    table.scrollRowToVisible(7);

    EXPECT_EQ(heard, (std::vector<std::string>{"click", "double", "name"}));
    EXPECT_EQ(changes, (std::vector<Change>{Change::Reload, Change::Reload, Change::Scroll}));
    EXPECT_EQ(table.scrolledRow(), 7);
    EXPECT_EQ(table.tableColumnWithIdentifier("name"), &name);
    EXPECT_EQ(table.tableColumnWithIdentifier("artist"), nullptr);
}
