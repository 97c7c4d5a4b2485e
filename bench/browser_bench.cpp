// The browser's controller work on a library of 50,000 items: a type filter button, a
// genre click, a search keystroke and a header sort.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/main_app.h"
#include "bench_library.h"
#include "support/fake_services.h"

namespace {

using korvida::bench::fillLibrary;

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
