#include "browser/play_list_choice.h"

#include "library/play_list.h"

namespace korvida {

PlayListChoice playListChoice(int row, const PlayList& playList)
{
    if (row == 0)
        return PlayListChoice::MusicAndMovies;
    // The display name: a device playlist stored as "Photos" shows " Photos" and stays a playlist.
    if (playList.getListName() == "Photos")
        return PlayListChoice::Pictures;
    return PlayListChoice::Members;
}

} // namespace korvida
