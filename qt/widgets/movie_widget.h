#pragma once

#include <QWidget>

#include <memory>

#include "platform/movie.h"

class QStackedLayout;
class QVideoWidget;

namespace korvida::qt {

class PictureWidget;

// Shows a movie of the program: a film through a video widget, a still picture as a
// picture filling the view, a tune as nothing (its sound plays regardless).
class MovieWidget : public QWidget {
    Q_OBJECT
public:
    explicit MovieWidget(QWidget* parent = nullptr);

    void setMovie(const std::shared_ptr<Movie>& movie);

    QVideoWidget* videoWidget() const { return video; }

private:
    QStackedLayout* pages;
    QVideoWidget* video;
    PictureWidget* still;
};

} // namespace korvida::qt
