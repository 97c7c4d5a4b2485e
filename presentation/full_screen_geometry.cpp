#include "presentation/full_screen_geometry.h"

namespace korvida {

namespace {

constexpr float kStripHeight = 130.0f;
constexpr float kTopStripHeight = 230.0f;
constexpr float kColumnWidth = 200.0f;
// The columns stop this far below the screen's top edge, under the top strip.
constexpr float kColumnTopGap = 250.0f;
// The film's space between the panels: in from the sides and down from the top.
constexpr float kMovieInsetX = 205.0f;
constexpr float kMovieInsetHeight = 410.0f;

} // namespace

bool isInsideRect(const Rect& rect, long x, long y)
{
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    return rect.origin.x <= fx && fx <= rect.origin.x + rect.size.width && rect.origin.y <= fy &&
        fy <= rect.origin.y + rect.size.height;
}

ControlPanelFrames controlPanelFrames(const Rect& screen)
{
    const float x = screen.origin.x;
    const float y = screen.origin.y;
    const float width = screen.size.width;
    const float height = screen.size.height;
    const float columnHeight = height - kStripHeight - kColumnTopGap;
    return ControlPanelFrames{
        makeRect(x, y, width, kStripHeight),
        makeRect(x, y + kStripHeight, kColumnWidth, columnHeight),
        makeRect(x + width - kColumnWidth, y + kStripHeight, kColumnWidth, columnHeight),
        makeRect(x, y + height - kTopStripHeight, width, kTopStripHeight),
    };
}

Rect fullScreenMovieArea(const Rect& screen, bool panelsShown)
{
    const float width = screen.size.width;
    const float height = screen.size.height;
    if (panelsShown)
        return makeRect(kMovieInsetX, kStripHeight, width - 2.0f * kMovieInsetX, height - kMovieInsetHeight);
    return makeRect(0.0f, 0.0f, width, height);
}

Rect fullScreenPictureArea(const Rect& screen, bool panelsShown)
{
    const float share = panelsShown ? 3.5f : 3.0f;
    return makeRect(0.0f, 0.0f, screen.size.width / share, screen.size.height / share);
}

} // namespace korvida
