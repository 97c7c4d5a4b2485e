#pragma once

class PlayList;

// What a click on a row of the playlist table shows.
namespace korvida {

enum class PlayListChoice {
    MusicAndMovies, // the first row, the device entry, whatever its name
    Pictures,       // the "Photos" library entry
    Members,        // a playlist of the device: its members in playlist order
};

PlayListChoice playListChoice(int row, const PlayList& playList);

} // namespace korvida
