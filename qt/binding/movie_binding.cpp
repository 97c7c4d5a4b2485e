// The binding of a movie view: its film shown by a movie widget.
#include "qt/binding/binder.h"
#include "qt/binding/view_binding.h"
#include "qt/widgets/movie_widget.h"

namespace korvida::qt {

namespace {

class MovieViewBinding : public ViewBinding {
public:
    MovieViewBinding(MovieView& movieView, MovieWidget* player, FlippedContainer* container)
        : ViewBinding(movieView, player, container), movieView(movieView), player(player)
    {}

private:
    void showContent() override { player->setMovie(movieView.movie()); }

    MovieView& movieView;
    MovieWidget* player;
};

} // namespace

void Binder::bindMovieView(MovieView& view, MovieWidget* widget, FlippedContainer* container)
{
    attach(view, widget, std::make_shared<MovieViewBinding>(view, widget, container), kViewChanges);
}

} // namespace korvida::qt
