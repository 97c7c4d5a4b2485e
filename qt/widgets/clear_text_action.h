#pragma once

class QLineEdit;

namespace korvida::qt {

// Gives an entry a button at its end that empties it, shown only while there is text.
// Qt's own clear button fades in and out over 160 ms, repainting the window all the
// while; this one appears and goes at once. Clearing is an edit like any other: the entry
// reports it through textEdited, and it can be undone.
void addClearTextAction(QLineEdit* entry);

} // namespace korvida::qt
