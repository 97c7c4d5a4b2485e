#include <benchmark/benchmark.h>

#include "bench_memory.h"
#include "bench_players.h"
#include "devicedb/device_reader.h"
#include "tools/device_writer/hostile_databases.h"

namespace dw = korvida::devicewriter;

namespace {

// Players whose one database is a damaged one of 90 MB, read from the file as the program
// reads them: the time and the peak memory of the read (the whole-process figures, with the
// listing printed, come from `korvida list` on make_hostile_device's folders).
constexpr std::size_t kSize = 90u * 1000 * 1000;

void readHostile(benchmark::State& state, const dw::hostile::Kind& kind)
{
    const korvida::bench::BenchDevice device(std::string("hostile-") + kind.name);
    if (!dw::hostile::writeDevice(device.root, kind, kSize)) {
        state.SkipWithError("cannot write the player");
        return;
    }
    std::size_t items = 0;
    double before = 0, peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        before = korvida::bench::startPeak();
        state.ResumeTiming();
        const Library library = korvida::readDevice(device.path());
        peak = korvida::bench::peakKilobytes();
        items = library.mediasVisible.size();
        benchmark::DoNotOptimize(library.mediasVisible.data());
    }
    const double database = static_cast<double>(device.databaseBytes()) / 1e3;
    state.counters["items"] = static_cast<double>(items);
    state.counters["read_peak_MB"] = (peak - before) / 1e3;
    state.counters["peak_per_database"] = (peak - before) / database;
}

const bool registered = [] {
    for (const dw::hostile::Kind& kind : dw::hostile::kinds())
        benchmark::RegisterBenchmark((std::string("HostileRead/") + kind.name).c_str(),
                                     [&kind](benchmark::State& state) { readHostile(state, kind); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    return true;
}();

} // namespace
