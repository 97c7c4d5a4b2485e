#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qt/binding/binder.h"

using korvida::CellKind;
using korvida::CellValue;
using korvida::Color;
using korvida::TableColumn;
using korvida::TableView;

namespace {

struct Row {
    std::string name;
    bool ticked = false;
    Color color;
};

// Answers for a media-like table: a tick box and a name, with a colour for each row.
class RowsSource : public korvida::TableDataSource {
public:
    std::vector<Row> rows;

    int numberOfRowsInTableView(const TableView&) override { return static_cast<int>(rows.size()); }
    CellValue tableViewObjectValueForTableColumn(const TableView&, const TableColumn& column, int row) override
    {
        const Row& shown = rows.at(static_cast<std::size_t>(row));
        if (column.identifier() == "taged")
            return shown.ticked;
        return shown.name;
    }
    void tableViewSetObjectValueForTableColumnRow(const TableView&, const CellValue& value, const TableColumn& column,
                                                  int row) override
    {
        if (column.identifier() == "taged")
            rows.at(static_cast<std::size_t>(row)).ticked = std::get<bool>(value);
    }
    void tableViewWillDisplayCell(const TableView&, korvida::TableCell& cell, const TableColumn&, int row) override
    {
        cell.setTextColor(rows.at(static_cast<std::size_t>(row)).color);
    }
};

class TableBindingTest : public ::testing::Test {
protected:
    TableBindingTest()
    {
        source.rows = {{"Harbour Bells", false, Color::blackColor()},
                       {"Snowfall", true, Color::greenColor()},
                       {"Library", false, Color::blueColor()}};
        table.setAllowsMultipleSelection(true);
        table.addTableColumn(std::make_unique<TableColumn>("taged", "", CellKind::CheckBox, true));
        table.addTableColumn(std::make_unique<TableColumn>("name", "Name"));
        table.setDataSource(&source);
        table.setAction([this](TableView&) { ++clicks; });
        table.setDoubleAction([this](TableView&) { ++doubleClicks; });
        table.setHeaderAction([this](TableView&, TableColumn& column) { headerClicked = column.identifier(); });
        binder.bindTableView(table, &view, nullptr);
        view.resize(400, 300);
        view.show();
    }

    QAbstractItemModel& model() { return *view.model(); }
    QPoint centreOf(int row, int column) { return view.visualRect(model().index(row, column)).center(); }

    RowsSource source;
    TableView table;
    korvida::qt::Binder binder;
    QTableView view;
    int clicks = 0;
    int doubleClicks = 0;
    std::string headerClicked;
};

} // namespace

TEST_F(TableBindingTest, ShowsRowsByColumnIdentifierWithReadableColours)
{
    ASSERT_EQ(model().rowCount(), 3);
    ASSERT_EQ(model().columnCount(), 2);
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(model().data(model().index(1, 1)).toString(), "Snowfall");
    EXPECT_EQ(model().data(model().index(1, 0), Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    EXPECT_FALSE(model().data(model().index(1, 0)).isValid()) << "a tick box shows no text";

    // On the dark table black is the ordinary text colour, green stays, blue is lightened.
    EXPECT_FALSE(model().data(model().index(0, 1), Qt::ForegroundRole).isValid());
    EXPECT_EQ(model().data(model().index(1, 1), Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::green));
    const QColor blue = model().data(model().index(2, 1), Qt::ForegroundRole).value<QBrush>().color();
    EXPECT_EQ(blue.blue(), 255);
    EXPECT_GT(blue.red(), 100);
}

TEST_F(TableBindingTest, TickingABoxWritesThroughTheDataSource)
{
    EXPECT_TRUE(model().flags(model().index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model().flags(model().index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(model().setData(model().index(0, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(source.rows[0].ticked);
    EXPECT_FALSE(model().setData(model().index(0, 1), Qt::Checked, Qt::CheckStateRole));
}

TEST_F(TableBindingTest, SelectionsTravelBothWaysAndReloadDropsRowsThatWent)
{
    table.selectRow(2, false);
    EXPECT_TRUE(view.selectionModel()->isRowSelected(2, {}));

    // The user's selection becomes the table's; the row acted on last is the selected row.
    QItemSelection picked;
    picked.select(model().index(0, 0), model().index(0, 1));
    picked.select(model().index(2, 0), model().index(2, 1));
    view.selectionModel()->setCurrentIndex(model().index(0, 0), QItemSelectionModel::NoUpdate);
    view.selectionModel()->select(picked, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{0, 2}));
    EXPECT_EQ(table.selectedRow(), 0);

    source.rows.pop_back();
    table.reloadData();
    EXPECT_EQ(model().rowCount(), 2);
    EXPECT_EQ(table.selectedRowIndexes(), (std::set<int>{0}));
    EXPECT_FALSE(view.selectionModel()->isRowSelected(2, {}));
    EXPECT_EQ(model().data(model().index(2, 1)), QVariant()) << "no row past the end is asked for";
}

TEST_F(TableBindingTest, ClicksSelectThenAct)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(1, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(table.selectedRow(), 1);

    // A double click is a click and then the double click, as the window system sends it.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(2, 1));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centreOf(2, 1));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(table.selectedRow(), 2);

    QHeaderView* header = view.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    EXPECT_EQ(headerClicked, "name");
}

TEST_F(TableBindingTest, SelectingEveryRowKeepsTheViewWhereItIsAsOneRange)
{
    source.rows.assign(500, Row{"Harbour Bells", false, Color::blackColor()});
    table.reloadData();
    QCoreApplication::processEvents();
    view.scrollTo(model().index(40, 1), QAbstractItemView::PositionAtTop);
    const int shown = view.verticalScrollBar()->value();
    ASSERT_GT(shown, 0);
    table.selectAll();
    EXPECT_EQ(view.selectionModel()->selectedRows().size(), 500);
    EXPECT_EQ(view.selectionModel()->selection().size(), 1) << "every row is one range";
    EXPECT_EQ(view.verticalScrollBar()->value(), shown) << "only the selection changes";
    EXPECT_EQ(view.currentIndex().row(), 499);
}
