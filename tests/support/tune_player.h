#pragma once

#include <string>
#include <vector>

#include "tools/device_writer/device_writer.h"

// A player of one tune for each title, all by "Artist" on "Album" in "Rock", numbered from
// id 100 in files F00/T100.mp3, F00/T101.mp3 and so on.
inline korvida::devicewriter::Device tunePlayer(const std::vector<std::string>& titles)
{
    korvida::devicewriter::Device device;
    std::uint32_t id = 100;
    for (const std::string& title : titles) {
        korvida::devicewriter::Track track;
        track.title = title;
        track.artist = "Artist";
        track.album = "Album";
        track.genre = "Rock";
        track.location = ":iPod_Control:Music:F00:T" + std::to_string(id) + ".mp3";
        track.id = id++;
        device.tracks.push_back(track);
    }
    return device;
}
