#include "qt/widgets/movie_widget.h"

#include <QStackedLayout>
#include <QVideoWidget>

#include "qt/services/qt_images.h"
#include "qt/services/qt_movies.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

MovieWidget::MovieWidget(QWidget* parent)
    : QWidget(parent), pages(new QStackedLayout(this)), video(new QVideoWidget), still(new PictureWidget)
{
    pages->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(video);
    pages->addWidget(still);
    video->setAspectRatioMode(Qt::KeepAspectRatio);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    video->setPalette(black);
    video->setAutoFillBackground(true);
}

void MovieWidget::setMovie(const std::shared_ptr<Movie>& movie)
{
    if (auto* film = dynamic_cast<PlayerMovie*>(movie.get())) {
        film->showIn(video);
        pages->setCurrentWidget(video);
        return;
    }
    if (auto* picture = dynamic_cast<StillMovie*>(movie.get())) {
        still->setPicture(makeImage(picture->image()), ImageScaling::ToFit);
        pages->setCurrentWidget(still);
        return;
    }
    still->setPicture(nullptr, ImageScaling::ToFit);
    pages->setCurrentWidget(still);
}

} // namespace korvida::qt
