// The binding of a movie view: its film shown by a movie widget.
#include "qt/binding/binder.h"
#include "qt/widgets/movie_widget.h"

namespace korvida::qt {

void Binder::bindMovieView(MovieView& view, MovieWidget* widget, FlippedContainer* container)
{
    observeView(view, widget, container, [&view, widget] { widget->setMovie(view.movie()); });
}

} // namespace korvida::qt
