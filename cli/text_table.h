#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvida::cli {

// A table of text cells printed in aligned columns. Cells are made printable (no control
// characters, well-formed UTF-8) and cut to the column's limit with "…".
class TextTable {
public:
    enum class Align {
        Left,
        Right
    };
    struct Column {
        std::string header;
        Align align = Align::Left;
        std::size_t maxWidth = 0; // 0: no limit
    };

    explicit TextTable(std::vector<Column> columns);

    void addRow(const std::vector<std::string>& cells);
    void print(std::ostream& out) const;

private:
    struct Cell {
        std::string text; // printable, already cut
        std::size_t width = 0;
    };
    void printRow(const std::vector<Cell>& row, const std::vector<std::size_t>& widths, std::ostream& out) const;

    std::vector<Column> columns;
    std::vector<std::vector<Cell>> rows;
};

} // namespace korvida::cli
