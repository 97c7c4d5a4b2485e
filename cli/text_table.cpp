#include "cli/text_table.h"

#include <algorithm>
#include <ostream>

#include "cli/display_text.h"

namespace korvida::cli {

TextTable::TextTable(std::vector<Column> columns) : columns(std::move(columns))
{}

void TextTable::addRow(const std::vector<std::string>& cells)
{
    std::vector<Cell> row;
    row.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string text = i < cells.size() ? printableText(cells[i]) : std::string();
        if (columns[i].maxWidth > 0)
            text = fitToWidth(text, columns[i].maxWidth);
        const std::size_t width = displayWidth(text);
        row.push_back({std::move(text), width});
    }
    rows.push_back(std::move(row));
}

void TextTable::printRow(const std::vector<Cell>& row, const std::vector<std::size_t>& widths, std::ostream& out) const
{
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const bool last = i + 1 == row.size();
        const std::size_t padding = widths[i] - row[i].width;
        if (columns[i].align == Align::Right)
            line.append(padding, ' ');
        line += row[i].text;
        if (!last)
            line.append(columns[i].align == Align::Left ? padding + 2 : 2, ' ');
    }
    line += '\n';
    out << line;
}

void TextTable::print(std::ostream& out) const
{
    std::vector<Cell> headers;
    for (const Column& column : columns)
        headers.push_back({column.header, displayWidth(column.header)});
    std::vector<std::size_t> widths;
    for (const Cell& header : headers)
        widths.push_back(header.width);
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].width);

    printRow(headers, widths, out);
    for (const auto& row : rows)
        printRow(row, widths, out);
}

} // namespace korvida::cli
