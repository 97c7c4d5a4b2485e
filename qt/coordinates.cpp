#include "qt/coordinates.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <limits>

namespace korvida::qt {

namespace {

// Widgets take coordinates far smaller than this; larger values are clipped here rather than
// overflow.
constexpr float kLargestCoordinate = 1.0e7f;

bool usable(float value)
{
    return std::isfinite(value) && std::fabs(value) < kLargestCoordinate;
}

int primaryScreenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().height() : 0;
}

} // namespace

std::optional<QRect> toQtRect(const Rect& rect, int parentHeight)
{
    if (!usable(rect.origin.x) || !usable(rect.origin.y) || !usable(rect.size.width) || !usable(rect.size.height))
        return std::nullopt;
    const int x = static_cast<int>(std::lround(rect.origin.x));
    const int width = static_cast<int>(std::lround(std::max(rect.size.width, 0.0f)));
    const int height = static_cast<int>(std::lround(std::max(rect.size.height, 0.0f)));
    const int top = parentHeight - static_cast<int>(std::lround(rect.origin.y)) - height;
    return QRect(x, top, width, height);
}

Rect fromQtRect(const QRect& rect, int parentHeight)
{
    return makeRect(static_cast<float>(rect.x()), static_cast<float>(parentHeight - rect.y() - rect.height()),
                    static_cast<float>(rect.width()), static_cast<float>(rect.height()));
}

std::optional<QRect> toQtScreenRect(const Rect& rect)
{
    return toQtRect(rect, primaryScreenHeight());
}

Rect fromQtScreenRect(const QRect& rect)
{
    return fromQtRect(rect, primaryScreenHeight());
}

Point fromQtScreenPoint(const QPoint& point)
{
    return Point{static_cast<float>(point.x()), static_cast<float>(primaryScreenHeight() - point.y())};
}

} // namespace korvida::qt
