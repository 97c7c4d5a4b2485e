#pragma once

#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/movie.h"

// Sizes a picture or a movie view to a rectangle. Pure arithmetic in single precision.
namespace korvida {

// The size to give a picture: always the rectangle's width, the height changed by as many
// points as the width was (not a proportional scaling). The rectangle's origin and height are
// not used.
Size getImageRess(Size image, const Rect& rect);
Size getImageRess(const Image& image, const Rect& rect);

// A movie view frame for the full screen: the largest frame of the movie's shape inside the
// rectangle, centred, so the whole picture shows (bars above and below, or at the sides).
Rect getScreenRess(Size natural, const Rect& rect);
Rect getScreenRess(const Movie* movie, const Rect& rect);

// A movie view frame inside the main window: as above while the movie fits the height; a movie
// too tall gets the rectangle's height, sits on its bottom edge and is narrowed by 1.3 points
// per point of excess height.
Rect getWindowScreenRess(Size natural, const Rect& rect);
Rect getWindowScreenRess(const Movie* movie, const Rect& rect);

// A movie's natural size: the width and height of its natural bounds.
Size naturalSizeOf(const Movie& movie);

} // namespace korvida
