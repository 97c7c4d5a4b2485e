// The browser's controller work on a library of 50,000 items: a type filter button, a
// genre click, a search keystroke and a header sort.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/main_app.h"
#include "support/fake_services.h"

namespace {

constexpr int kItems = 50000;

// Tunes spread over 40 genres, 2,500 artists (a tenth with an accented name) with 4 albums
// each and up to 15 tracks an album, a few movies and photos.
void fillLibrary(MainApp& app)
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

struct BrowserFixture {
    BrowserFixture() : app(fakes.services())
    {
        fillLibrary(app);
        app.allButton(nullptr);
    }
    FakeServices fakes;
    MainApp app;
};

void BM_AllButton(benchmark::State& state)
{
    BrowserFixture fixture;
    for (auto _ : state)
        fixture.app.allButton(nullptr);
    benchmark::DoNotOptimize(fixture.app.medias.size());
}
BENCHMARK(BM_AllButton)->Unit(benchmark::kMillisecond);

void BM_MusicButton(benchmark::State& state)
{
    BrowserFixture fixture;
    for (auto _ : state)
        fixture.app.musicButton(nullptr);
}
BENCHMARK(BM_MusicButton)->Unit(benchmark::kMillisecond);

// Row 0 ("All") rebuilds every level over the whole library; another row one genre.
void BM_GenreClick(benchmark::State& state)
{
    BrowserFixture fixture;
    korvida::TableView& genres = *fixture.app.genereTableView;
    const int row = static_cast<int>(state.range(0));
    for (auto _ : state) {
        genres.selectRow(row, false);
        genres.performClick();
    }
}
BENCHMARK(BM_GenreClick)->Arg(0)->Arg(7)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke(benchmark::State& state, const std::string& typed)
{
    BrowserFixture fixture;
    korvida::TextField& field = *fixture.app.searchField;
    for (auto _ : state) {
        field.setStringValue(typed);
        field.sendAction();
    }
    state.counters["found"] = static_cast<double>(fixture.app.medias.size());
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, first_letter, std::string("s"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, word, std::string("the band 1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, accented, std::string("\xC3\xA9mile 1"))->Unit(benchmark::kMillisecond);

// Each click flips the direction, so the list is never already in the asked order.
void BM_HeaderSort(benchmark::State& state, const std::string& key)
{
    BrowserFixture fixture;
    korvida::TableView& table = *fixture.app.mediaTableView;
    korvida::TableColumn& column = *table.tableColumnWithIdentifier(key);
    for (auto _ : state)
        table.performHeaderClick(column);
}
BENCHMARK_CAPTURE(BM_HeaderSort, name, std::string("name"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeaderSort, artist, std::string("artist"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeaderSort, taged, std::string("taged"))->Unit(benchmark::kMillisecond);

} // namespace
