#pragma once

class QMessageBox;

namespace korvida::qt {

// A message box sizes itself to its title, and its longer text then wraps word by word in a
// narrow column. This gives the box a width a sentence reads well in; it is called once its
// texts, icon and buttons are set, since setting them may lay the box out anew.
void giveReadableWidth(QMessageBox& box);

} // namespace korvida::qt
