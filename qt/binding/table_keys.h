#pragma once

#include <QObject>

#include <functional>

class QTableView;

namespace korvida::qt {

// The keys that move through a table's rows. Home and End go to the first and last row
// (Qt's own go to the first and last column). In a table that shows one chosen row (a
// browser column, the playlists), a move to another row by these keys acts as a click on
// it, so that the lists that follow the table follow the keyboard too.
class TableKeys : public QObject {
public:
    // `click` is null for a table whose moves are not clicks.
    TableKeys(QTableView* table, std::function<void()> click);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* table;
    std::function<void()> click;
    bool forwarding = false;
};

} // namespace korvida::qt
