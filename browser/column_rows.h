#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "browser/row_compare.h"
#include "browser/seen_texts.h"
#include "library/browser_rows.h"
#include "library/in_media.h"

// Building and re-sorting the rows of the genre, artist and album columns: the "All" row
// first, then the distinct values (compared exactly, case counting) in the column's order.
namespace korvida {

inline constexpr std::string_view kAllRow = "All";

// Ties each row record to the item field it lists and to its comparators.
template <class Row>
struct ColumnTraits;

template <>
struct ColumnTraits<Genere> {
    static const std::string& ofMedia(const InMedia& media) { return media.getGenere(); }
    static const std::string& ofRow(const Genere& row) { return row.getGenere(); }
    static int up(const Genere& a, const Genere& b) { return compareGenreUp(a, b); }
    static int down(const Genere& a, const Genere& b) { return compareGenreDown(a, b); }
};

template <>
struct ColumnTraits<Artist> {
    static const std::string& ofMedia(const InMedia& media) { return media.getArtist(); }
    static const std::string& ofRow(const Artist& row) { return row.getArtist(); }
    static int up(const Artist& a, const Artist& b) { return compareArtistUp(a, b); }
    static int down(const Artist& a, const Artist& b) { return compareArtistDown(a, b); }
};

template <>
struct ColumnTraits<Album> {
    static const std::string& ofMedia(const InMedia& media) { return media.getAlbum(); }
    static const std::string& ofRow(const Album& row) { return row.getAlbum(); }
    static int up(const Album& a, const Album& b) { return compareAlbumtUp(a, b); }
    static int down(const Album& a, const Album& b) { return compareAlbumtDown(a, b); }
};

// Sorts value rows in the given direction and puts a new "All" row in front of them.
template <class Row>
void sortUnderAllRow(std::vector<Row>& rows, bool descending)
{
    std::stable_sort(rows.begin(), rows.end(), [descending](const Row& a, const Row& b) {
        return (descending ? ColumnTraits<Row>::down(a, b) : ColumnTraits<Row>::up(a, b)) < 0;
    });
    rows.insert(rows.begin(), Row(std::string(kAllRow)));
}

// A header click: the first row (the "All" row) comes out when there is one, the rest is
// sorted and a new "All" row goes in front, so "All" stays first in both directions.
template <class Row>
void resortColumnRows(std::vector<Row>& rows, bool descending)
{
    if (!rows.empty())
        rows.erase(rows.begin());
    sortUnderAllRow(rows, descending);
}

// The rows of a column for the items that pass `keep`: "All", then each distinct value
// of the items' field in ascending order.
template <class Row, class Keep>
std::vector<Row> buildColumnRows(std::span<InMedia* const> items, Keep keep)
{
    SeenTexts seen;
    std::vector<std::string_view> values;
    for (const InMedia* media : items) {
        if (!keep(*media))
            continue;
        // Neighbours in a library often share their album, artist and genre.
        const std::string_view value = ColumnTraits<Row>::ofMedia(*media);
        if (!values.empty() && value == values.back())
            continue;
        if (seen.insert(value))
            values.push_back(value);
    }
    // Distinct values in plain character order, the order of the ascending row comparator.
    std::sort(values.begin(), values.end());
    std::vector<Row> rows;
    rows.reserve(values.size() + 1);
    rows.emplace_back(std::string(kAllRow));
    for (const std::string_view value : values)
        rows.emplace_back(std::string(value));
    return rows;
}

} // namespace korvida
