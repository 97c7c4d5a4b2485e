#pragma once

#include <QWidget>

#include <memory>

#include "platform/image.h"
#include "platform/image_view.h"

namespace korvida::qt {

// Draws a picture of the program at the size the picture currently has (the layout resizes
// a tune's picture), centred: inside that size keeping the picture's own shape
// (proportional), stretched over the whole view (to fit), or as it is (none).
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    void setPicture(std::shared_ptr<Image> picture, ImageScaling scaling);

    // Where the picture lands inside a view of the given size.
    static QRectF pictureRect(QSizeF pictureSize, QSizeF viewSize, ImageScaling scaling);
    // Where a picture of `natural` proportions lands when it was given the size `given`:
    // within that size and the view, centred, never stretched out of its own shape. A given
    // size with no area leaves the whole view to the picture.
    static QRectF proportionalRect(QSizeF natural, QSizeF given, QSizeF viewSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<Image> picture;
    ImageScaling scaling = ImageScaling::Proportionally;
};

} // namespace korvida::qt
