#include "cli/text_table.h"

#include <algorithm>
#include <ostream>

#include "cli/display_text.h"

namespace korvida::cli {

TextTable::TextTable(std::vector<Column> columns) : columns(std::move(columns)) {}

void TextTable::addRow(const std::vector<std::string>& cells)
{
    std::vector<std::string> row;
    row.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string cell = i < cells.size() ? printableText(cells[i]) : std::string();
        if (columns[i].maxWidth > 0)
            cell = fitToWidth(cell, columns[i].maxWidth);
        row.push_back(std::move(cell));
    }
    rows.push_back(std::move(row));
}

void TextTable::print(std::ostream& out) const
{
    std::vector<std::size_t> widths;
    for (const Column& column : columns)
        widths.push_back(displayWidth(column.header));
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i]));

    auto printLine = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string padding(widths[i] - displayWidth(cells[i]), ' ');
            const bool last = i + 1 == cells.size();
            if (columns[i].align == Align::Right)
                line += padding + cells[i];
            else
                line += last ? cells[i] : cells[i] + padding;
            if (!last)
                line += "  ";
        }
        out << line << '\n';
    };

    std::vector<std::string> headers;
    for (const Column& column : columns)
        headers.push_back(column.header);
    printLine(headers);
    for (const auto& row : rows)
        printLine(row);
}

}  // namespace korvida::cli
