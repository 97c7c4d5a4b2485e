#pragma once

#include "platform/table_view.h"

class QTableView;

namespace korvida::qt {

// The play gestures of a media table: a double click on a row, and Return, Enter or the space
// bar on the selected row, each send the table's double action (play it, or pause what plays).
void playOnKeys(QTableView* widget, TableView& table);

} // namespace korvida::qt
