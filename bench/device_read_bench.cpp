#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench_memory.h"
#include "bench_players.h"
#include "devicedb/device_reader.h"

namespace fs = std::filesystem;
namespace dw = korvida::devicewriter;
using korvida::bench::BenchDevice;
using korvida::bench::syntheticDevice;

namespace {

const BenchDevice* corpusDevice()
{
    static const BenchDevice* device = []() -> const BenchDevice* {
        const char* corpus = std::getenv("KORVIDA_CORPUS");
        if (!corpus)
            return nullptr;
        static BenchDevice made("corpus");
        dw::Device player;
        player.withITunesDB = false;
        dw::writeDevice(made.root, player);
        std::error_code error;
        fs::create_directories(made.root / "iPod_Control/iTunes", error);
        fs::copy_file(fs::path(corpus) / "itunes4-5375tracks.itdb", made.root / "iPod_Control/iTunes/iTunesDB", error);
        return error ? nullptr : &made;
    }();
    return device;
}

void readAndCount(benchmark::State& state, const BenchDevice& device)
{
    std::size_t items = 0, lists = 0;
    for (auto _ : state) {
        const Library library = korvida::readDevice(device.path());
        items = library.mediasVisible.size();
        lists = library.playLists.size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
    state.counters["playlists"] = static_cast<double>(lists);
    state.counters["database_MB"] = static_cast<double>(device.databaseBytes()) / 1e6;
}

void BM_ReadSyntheticDevice(benchmark::State& state)
{
    readAndCount(state, syntheticDevice());
}
BENCHMARK(BM_ReadSyntheticDevice)->Unit(benchmark::kMillisecond);

void BM_ReadCorpus5375Tracks(benchmark::State& state)
{
    const BenchDevice* device = corpusDevice();
    if (!device) {
        state.SkipWithError("KORVIDA_CORPUS is not set");
        return;
    }
    readAndCount(state, *device);
}
BENCHMARK(BM_ReadCorpus5375Tracks)->Unit(benchmark::kMillisecond);

// Peak memory of one whole read, memory freed earlier (the generated device) not counted.
void BM_ReadSyntheticDevicePeakMemory(benchmark::State& state)
{
    const BenchDevice& device = syntheticDevice();
    double before = 0, peak = 0;
    for (auto _ : state) {
        before = korvida::bench::startPeak();
        {
            const Library library = korvida::readDevice(device.path());
            benchmark::DoNotOptimize(library.mediasVisible.data());
            peak = korvida::bench::peakKilobytes();
        }
    }
    const double database = static_cast<double>(device.databaseBytes()) / 1e3;
    state.counters["read_peak_MB"] = (peak - before) / 1e3;
    state.counters["database_MB"] = database / 1e3;
    state.counters["peak_per_database"] = (peak - before) / database;
}
BENCHMARK(BM_ReadSyntheticDevicePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
