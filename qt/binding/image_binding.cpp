// The binding of an image view: its picture and scaling shown by a picture widget.
#include "qt/binding/binder.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

void Binder::bindImageView(ImageView& view, PictureWidget* widget, FlippedContainer* container)
{
    observeView(view, widget, container, [&view, widget] { widget->setPicture(view.image(), view.imageScaling()); });
}

} // namespace korvida::qt
