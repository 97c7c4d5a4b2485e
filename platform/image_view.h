#pragma once

#include <memory>

#include "platform/image.h"
#include "platform/view.h"

namespace korvida {

enum class ImageScaling {
    Proportionally = 0,
    ToFit = 1,
    None = 2,
};

class ImageView : public View {
public:
    const std::shared_ptr<Image>& image() const { return picture; }
    void setImage(std::shared_ptr<Image> value)
    {
        picture = std::move(value);
        notify(Change::Content);
    }

    ImageScaling imageScaling() const { return scaling; }
    void setImageScaling(ImageScaling value)
    {
        scaling = value;
        notify(Change::Content);
    }

private:
    std::shared_ptr<Image> picture;
    ImageScaling scaling = ImageScaling::Proportionally;
};

} // namespace korvida
