// The printing side of "korvida list" for a large player: 50,000 tracks, 20 playlists of
// 5,000 members, 5,000 photos in 50 albums, as JSON and as a table.

#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>

#include "cli/library_json.h"
#include "cli/library_table.h"
#include "library/library.h"

namespace {

const std::string kDevice = "/media/IPOD";

std::unique_ptr<PlayList> playList(const std::string& name, bool isSubList)
{
    auto list = std::make_unique<PlayList>();
    list->setListName(name);
    list->setIsSubList(isSubList);
    return list;
}

const Library& largeLibrary()
{
    static const Library library = [] {
        Library made;
        made.playLists.push_back(playList("Music/Movies", true));
        for (int i = 0; i < 50000; ++i) {
            auto item = std::make_unique<InMedia>();
            item->setName("Track \"" + std::to_string(i) + "\" — Sjøbris");
            item->setArtist("Artist " + std::to_string(i % 700));
            item->setAlbum("Album " + std::to_string(i % 3000));
            item->setGenere("Genre " + std::to_string(i % 25));
            item->setPath(kDevice + "/iPod_Control/Music/F" + std::to_string(i % 50) + "/T" + std::to_string(i) +
                          ".mp3");
            item->setFileType("mp3");
            item->setMediaType(InMedia::kMusic);
            item->setTuneOnCdNr(i % 20);
            made.mediasVisible.push_back(std::move(item));
        }
        for (int p = 0; p < 20; ++p) {
            auto list = playList("Playlist " + std::to_string(p), false);
            for (int m = 0; m < 5000; ++m)
                list->addMedia(made.mediasVisible[static_cast<std::size_t>((p * 2500 + m * 7) % 50000)].get());
            made.playLists.push_back(std::move(list));
        }
        made.playLists.push_back(playList("Photos", true));
        const std::size_t firstPhoto = made.mediasVisible.size();
        for (int i = 0; i < 5000; ++i) {
            auto photo = std::make_unique<InMedia>();
            const std::string file = "IMG_" + std::to_string(i) + ".JPG";
            photo->setName(file);
            photo->setNameWithType(file);
            photo->setDay("14");
            photo->setPath(kDevice + "/Photos/Full Resolution/2006/07/14/" + file);
            photo->setMediaType(InMedia::kPhoto);
            made.mediasVisible.push_back(std::move(photo));
        }
        for (int a = 0; a < 50; ++a) {
            auto album = playList("Album " + std::to_string(a), false);
            for (int m = 0; m < 100; ++m)
                album->addMedia(made.mediasVisible[firstPhoto + static_cast<std::size_t>(a * 100 + m)].get());
            made.playLists.push_back(std::move(album));
        }
        return made;
    }();
    return library;
}

void BM_LibraryJson(benchmark::State& state)
{
    const Library& library = largeLibrary();
    for (auto _ : state)
        benchmark::DoNotOptimize(korvida::cli::libraryJson(library));
}
BENCHMARK(BM_LibraryJson)->Unit(benchmark::kMillisecond);

void BM_LibraryTable(benchmark::State& state)
{
    const Library& library = largeLibrary();
    for (auto _ : state) {
        std::ostringstream out;
        korvida::cli::printLibraryTable(library, kDevice, out);
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_LibraryTable)->Unit(benchmark::kMillisecond);

} // namespace
