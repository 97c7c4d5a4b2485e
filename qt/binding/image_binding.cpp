// The binding of an image view: its picture and scaling shown by a picture widget.
#include "qt/binding/binder.h"
#include "qt/binding/view_binding.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

namespace {

class ImageViewBinding : public ViewBinding {
public:
    ImageViewBinding(ImageView& imageView, PictureWidget* picture, FlippedContainer* container)
        : ViewBinding(imageView, picture, container), imageView(imageView), picture(picture)
    {}

private:
    void showContent() override { picture->setPicture(imageView.image(), imageView.imageScaling()); }

    ImageView& imageView;
    PictureWidget* picture;
};

} // namespace

void Binder::bindImageView(ImageView& view, PictureWidget* widget, FlippedContainer* container)
{
    attach(view, widget, std::make_shared<ImageViewBinding>(view, widget, container), kViewChanges);
}

} // namespace korvida::qt
