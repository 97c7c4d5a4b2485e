#pragma once

#include <memory>

#include "platform/geometry.h"

namespace korvida {

// A picture. The images service makes it; the desktop binding keeps its decoded pixels in
// `platformImage`. Its drawing size can be changed, as the layout does with a tune's picture;
// views that share the image draw it at the new size when they are next displayed.
class Image {
public:
    explicit Image(Size naturalSize, std::shared_ptr<const void> platformImage = {})
        : natural(naturalSize), current(naturalSize), platform(std::move(platformImage))
    {}

    Size naturalSize() const { return natural; }
    Size size() const { return current; }
    void setSize(Size value) { current = value; }

    bool scalesWhenResized() const { return scales; }
    void setScalesWhenResized(bool value) { scales = value; }

    const std::shared_ptr<const void>& platformImage() const { return platform; }

private:
    Size natural;
    Size current;
    std::shared_ptr<const void> platform;
    bool scales = false;
};

} // namespace korvida
