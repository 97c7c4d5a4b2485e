#pragma once

#include <QSize>

#include "app/main_app.h"
#include "qt/interface/main_interface.h"

class QWidget;

namespace korvida::qt {

class FlippedContainer;

// Puts a splitter ("browserSplit") between the browser side and the media area of the main
// window's content `area`. The media area's views sit above its empty right pane at their
// frames; when the handle moves, the controller keeps the width and lays the media area out
// again. The window gets a minimum size of at least `minimum` at which both sides fit.
void splitFromMediaArea(MainApp& app, FlippedContainer* area, QWidget* browser, MainInterface& ui, QSize minimum);

} // namespace korvida::qt
