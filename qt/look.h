#pragma once

class QApplication;

namespace korvida::qt {

// The program's calm dark look: the Fusion style with a dark palette, light text, rounded
// controls and the program's icon.
void applyLook(QApplication& application);

} // namespace korvida::qt
