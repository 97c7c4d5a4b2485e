#include "presentation/fitting.h"

namespace korvida {

namespace {

// A movie without a picture (a tune, no movie at all) has no shape to fit: its frame is the
// rectangle itself, so that no undefined value reaches a view.
bool hasShape(Size natural)
{
    return natural.width > 0.0f && natural.height > 0.0f;
}

float fittedHeight(Size natural, float width)
{
    return natural.height * (width / natural.width);
}

} // namespace

Size getImageRess(Size image, const Rect& rect)
{
    float width = image.width;
    float height = image.height;
    const float wanted = rect.size.width;
    if (width > wanted) {
        height = height - (width - wanted);
        width = wanted;
    }
    if (wanted > width) {
        height = height + (wanted - width);
        width = wanted;
    }
    return Size{width, height};
}

Size getImageRess(const Image& image, const Rect& rect)
{
    return getImageRess(image.size(), rect);
}

Rect getScreenRess(Size natural, const Rect& rect)
{
    if (!hasShape(natural))
        return rect;
    float width = rect.size.width;
    float height = fittedHeight(natural, width);
    // Taller than the rectangle: fitted to its height instead, never cropped.
    if (height > rect.size.height) {
        height = rect.size.height;
        width = natural.width * (height / natural.height);
    }
    return makeRect(rect.origin.x + (rect.size.width - width) / 2.0f,
                    rect.origin.y + (rect.size.height - height) / 2.0f, width, height);
}

Rect getScreenRess(const Movie* movie, const Rect& rect)
{
    return movie != nullptr ? getScreenRess(naturalSizeOf(*movie), rect) : rect;
}

Rect getWindowScreenRess(Size natural, const Rect& rect)
{
    if (!hasShape(natural))
        return rect;
    const float width = rect.size.width;
    const float h = rect.size.height;
    const float height = fittedHeight(natural, width);
    const float toMutch = height > h ? height - h : 0.0f;
    const auto narrowed = static_cast<float>(static_cast<double>(width) - 1.3 * static_cast<double>(toMutch));
    return makeRect(rect.origin.x, rect.origin.y + h / 2.0f + height / -2.0f + toMutch / 2.0f, narrowed,
                    height - toMutch);
}

Rect getWindowScreenRess(const Movie* movie, const Rect& rect)
{
    return movie != nullptr ? getWindowScreenRess(naturalSizeOf(*movie), rect) : rect;
}

Size naturalSizeOf(const Movie& movie)
{
    return movie.getMovieNaturalBoundsRect().size;
}

} // namespace korvida
