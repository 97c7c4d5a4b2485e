#include "presentation/main_window_layout.h"

#include <cmath>

#include "presentation/fitting.h"

namespace korvida {

namespace {

// The media area leaves this margin at the right edge and this much of the height for the
// transport and time rows under it and the title above.
constexpr float kRightMargin = 14.0f;
constexpr float kHeightTaken = 120.0f;
// The picture view's corner sits this far right of the browser; the media area starts a
// little inside.
constexpr float kPictureGap = 10.0f;
constexpr float kPictureBottom = 105.0f;
constexpr float kInset = 9.0f;

} // namespace

MediaAreaLayout layoutMediaArea(Point pictureOrigin, Size window, std::optional<Size> movieNatural, float playWidth)
{
    MediaAreaLayout layout;
    layout.dragX = pictureOrigin.x + kInset;
    layout.dragY = pictureOrigin.y;
    const float areaWidth = window.width - layout.dragX - kRightMargin;
    layout.area = makeRect(layout.dragX, layout.dragY, areaWidth, window.height - kHeightTaken);
    layout.centre = std::trunc(layout.dragX + areaWidth / 2.0f);
    if (movieNatural) {
        Rect frame = getWindowScreenRess(*movieNatural, layout.area);
        frame.origin.x = layout.centre - frame.size.width / 2.0f;
        layout.movieFrame = frame;
    }
    const float left = layout.centre - playWidth / 2.0f;
    layout.transport = TransportRow{Point{left - 100.0f, 0.0f}, Point{left - 50.0f, 0.0f}, Point{left, 0.0f},
                                    Point{left + 55.0f, 0.0f}, Point{left + 107.0f, 0.0f}};
    return layout;
}

StretchedFrames stretchMediaArea(Size window, float browserWidth)
{
    const float width = window.width;
    const float left = browserWidth + kPictureGap;
    return StretchedFrames{
        makeRect(left, kPictureBottom, width - left - kRightMargin, window.height - kHeightTaken),
        makeRect(left + kInset, 70.0f, 62.0f, 18.0f),
        makeRect(left + 75.0f, 68.0f, width - left - 75.0f - 92.0f, 22.0f),
        makeRect(width - 88.0f, 70.0f, 74.0f, 18.0f),
        makeRect(width - 122.0f, 6.0f, 50.0f, 50.0f),
        makeRect(width - 66.0f, 6.0f, 50.0f, 50.0f),
    };
}

} // namespace korvida
