#pragma once

#include <optional>
#include <string>
#include <variant>

#include "platform/geometry.h"
#include "platform/table_column.h"

namespace korvida {

class TableView;

// The value of one cell: nothing, a text, a check box's tick or a number.
using CellValue = std::variant<std::monostate, std::string, bool, int>;

// What a cell is about to be drawn with. A colour left empty keeps the window layout's colour.
struct TableCell {
    std::optional<Color> textColor;
    void setTextColor(const Color& value) { textColor = value; }
};

// Answers a table's questions about its rows. The controller implements it for every table;
// what it does not answer reads as an empty table whose cells cannot be changed.
class TableDataSource {
public:
    virtual ~TableDataSource() = default;

    virtual int numberOfRowsInTableView(const TableView&) { return 0; }
    virtual CellValue tableViewObjectValueForTableColumn(const TableView&, const TableColumn&, int) { return {}; }
    virtual void tableViewSetObjectValueForTableColumnRow(const TableView&, const CellValue&, const TableColumn&, int)
    {}
    // Sets the text colour of a cell about to be drawn; a cell left alone keeps its colour.
    virtual void tableViewWillDisplayCell(const TableView&, TableCell&, const TableColumn&, int) {}

    // Whether the user may edit a cell; by default the column decides.
    virtual bool tableViewShouldEditTableColumn(const TableView&, const TableColumn& column, int)
    {
        return column.isEditable();
    }
};

} // namespace korvida
