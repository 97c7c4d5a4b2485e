#include "qt/widgets/picture_widget.h"

#include <QPainter>

#include "qt/services/qt_images.h"

namespace korvida::qt {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureWidget::setPicture(std::shared_ptr<Image> newPicture, ImageScaling newScaling)
{
    picture = std::move(newPicture);
    scaling = newScaling;
    update();
}

QRectF PictureWidget::pictureRect(QSizeF pictureSize, QSizeF viewSize, ImageScaling scaling)
{
    QSizeF drawn = pictureSize;
    if (scaling == ImageScaling::ToFit)
        drawn = viewSize;
    else if (scaling == ImageScaling::Proportionally &&
             (drawn.width() > viewSize.width() || drawn.height() > viewSize.height()))
        drawn = drawn.scaled(viewSize, Qt::KeepAspectRatio);
    return QRectF(QPointF((viewSize.width() - drawn.width()) / 2.0, (viewSize.height() - drawn.height()) / 2.0), drawn);
}

QRectF PictureWidget::proportionalRect(QSizeF natural, QSizeF given, QSizeF viewSize)
{
    QSizeF box = given.width() > 0.0 && given.height() > 0.0 ? given.boundedTo(viewSize) : viewSize;
    const QSizeF drawn = natural.isEmpty() ? box : natural.scaled(box, Qt::KeepAspectRatio);
    return QRectF(QPointF((viewSize.width() - drawn.width()) / 2.0, (viewSize.height() - drawn.height()) / 2.0), drawn);
}

void PictureWidget::paintEvent(QPaintEvent*)
{
    if (!picture)
        return;
    const QImage* pixels = qImageOf(*picture);
    const Size size = picture->size();
    if (pixels == nullptr || pixels->isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSizeF given(size.width, size.height);
    if (scaling == ImageScaling::Proportionally) {
        painter.drawImage(proportionalRect(QSizeF(pixels->size()), given, QSizeF(this->size())), *pixels);
        return;
    }
    if (given.isEmpty())
        return;
    painter.drawImage(pictureRect(given, QSizeF(this->size()), scaling), *pixels);
}

} // namespace korvida::qt
