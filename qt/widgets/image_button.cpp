#include "qt/widgets/image_button.h"

#include <QPainter>

#include "qt/services/qt_images.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

namespace {
constexpr qreal kHoverOpacity = 1.0;
constexpr qreal kRestingOpacity = 0.85;
constexpr qreal kPressedOpacity = 0.6;
constexpr int kDefaultSide = 50;
} // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void ImageButton::setPicture(std::shared_ptr<Image> newPicture)
{
    picture = std::move(newPicture);
    update();
}

QSize ImageButton::sizeHint() const
{
    return QSize(kDefaultSide, kDefaultSide);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    if (!picture)
        return;
    const QImage* pixels = qImageOf(*picture);
    if (pixels == nullptr || pixels->isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(!isEnabled()   ? kPressedOpacity
                           : isDown() ? kPressedOpacity
                           : hovered  ? kHoverOpacity
                                      : kRestingOpacity);
    // A picture sized smaller than the button (the full-screen picture) keeps its size;
    // the round pictures are larger and fill their buttons.
    const Size size = picture->size();
    const QSizeF wanted = size.width < width() && size.height < height() ? QSizeF(size.width, size.height)
                                                                         : QSizeF(this->size());
    painter.drawImage(PictureWidget::pictureRect(wanted, QSizeF(this->size()), ImageScaling::Proportionally), *pixels);
}

void ImageButton::enterEvent(QEnterEvent* event)
{
    hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event)
{
    hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace korvida::qt
