#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

#include "platform/geometry.h"

// The program's geometry has its origin at the lower left with y upwards; Qt's at the top
// left with y downwards. These are the only places that turn one into the other.
namespace korvida::qt {

// A rectangle in a parent of the given height, in whole pixels; nothing when the rectangle
// holds a value that is not a finite number (it must never reach a widget).
std::optional<QRect> toQtRect(const Rect& rect, int parentHeight);
Rect fromQtRect(const QRect& rect, int parentHeight);

// Screen coordinates: flipped around the primary screen, whose lower left is the origin.
std::optional<QRect> toQtScreenRect(const Rect& rect);
Rect fromQtScreenRect(const QRect& rect);
Point fromQtScreenPoint(const QPoint& point);

} // namespace korvida::qt
