// A click in the playlist table of either window: the first entry and "Photos" switch the
// type filter, any other playlist shows its members in playlist order.
#include "app/main_app.h"
#include "browser/column_titles.h"
#include "browser/main_app_browser_views.h"
#include "browser/play_list_choice.h"

void MainApp::tableViewPlayListsClicked(korvida::TableView* sender)
{
    if (sender == nullptr)
        return;
    const int row = sender->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= state.playLists.size())
        return;
    korvida::followInTwin(*this, *sender, row);

    medias.clear();
    const PlayList& playList = *state.playLists[row];
    switch (korvida::playListChoice(row, playList)) {
    case korvida::PlayListChoice::MusicAndMovies: musicAndMovies(); break;
    case korvida::PlayListChoice::Pictures: pictureButton(nullptr); break;
    case korvida::PlayListChoice::Members: {
        const korvida::ColumnTitles titles = korvida::titlesForPlayList(playList);
        artistColumnMedia->setHeaderTitle(std::string(titles.artist));
        albumColumnMedia->setHeaderTitle(std::string(titles.album));
        medias = playList.getMedias();
        break;
    }
    }

    korvida::deselectAndReloadMediaTables(*this);
    korvida::showFilesCount(*this);
    korvida::showPlayState(*this, playing);
    canselCopying->setHidden(true);
    korvida::takeSearchSnapshot(*this);
}
