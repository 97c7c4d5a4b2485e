#pragma once

// The generated library the browser benchmarks share: 50,000 items in reading order.
#include <memory>
#include <string>

#include "app/main_app.h"

namespace korvida::bench {

inline constexpr int kItems = 50000;

// Tunes spread over 40 genres, 2,500 artists (a tenth with an accented name) with 4 albums
// each and up to 15 tracks an album, a few movies and photos.
inline void fillLibrary(MainApp& app)
{
    for (int i = 0; i < kItems; ++i) {
        auto media = std::make_unique<InMedia>();
        const int artist = (i * 7919) % 2500;
        const int album = artist * 4 + (i / 15) % 4;
        if (i % 50 == 0) {
            media->setMediaType(InMedia::kPhoto);
            media->setName("IMG_" + std::to_string(i));
            media->setArtist(std::to_string(2000 + i % 20));
            media->setAlbum(std::to_string(1 + i % 12));
            media->setGenere("Photos");
        } else {
            media->setMediaType(i % 25 == 0 ? InMedia::kMovie : InMedia::kMusic);
            media->setName("Song " + std::to_string(i) + (i % 3 == 0 ? " (Live)" : ""));
            const char* prefix = artist % 10 == 0 ? "\xC3\x89mile " : (artist % 2 ? "The Band " : "Artist ");
            media->setArtist(prefix + std::to_string(artist));
            media->setAlbum("Album " + std::to_string(album));
            media->setGenere("Genre " + std::to_string(i % 40));
            media->setTuneOnCdNr(1 + i % 15);
        }
        app.mediasVisible.push_back(std::move(media));
    }
}

} // namespace korvida::bench
