#pragma once

#include <QObject>

class QTableView;

namespace korvida::qt {

// Keeps a one-column table of names (the playlists) at least as wide as its widest name,
// up to `widest` pixels, so that next to the other lists the names show whole.
class WholeNames : public QObject {
public:
    WholeNames(QTableView* table, int widest);

    void fit();

private:
    QTableView* table;
    int widest;
};

} // namespace korvida::qt
