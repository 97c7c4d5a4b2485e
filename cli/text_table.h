#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvida::cli {

// A table of text cells printed in aligned columns. Cells are made printable (no control
// characters, well-formed UTF-8) and cut to the column's limit with "…".
class TextTable {
public:
    enum class Align { Left, Right };
    struct Column {
        std::string header;
        Align align = Align::Left;
        std::size_t maxWidth = 0;  // 0: no limit
    };

    explicit TextTable(std::vector<Column> columns);

    void addRow(const std::vector<std::string>& cells);
    void print(std::ostream& out) const;

private:
    std::vector<Column> columns;
    std::vector<std::vector<std::string>> rows;  // printable, already cut
};

}  // namespace korvida::cli
