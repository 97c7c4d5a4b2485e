#pragma once

#include "app/main_app.h"
#include "qt/interface/main_interface.h"

namespace korvida::qt {

// The main window's keys for browsing and tagging: Ctrl+T tags and Ctrl+Shift+T untags the
// selected rows (the Tag and Untag buttons), Ctrl+A selects every row of the media table,
// Ctrl+F goes to the search field and Escape there clears the search.
void addBrowserKeys(MainApp& app, MainInterface& ui);

// Tooltips that name the buttons that show only a picture, and the keys of the buttons that
// have some, on every widget the program has made.
void describeButtons();

} // namespace korvida::qt
