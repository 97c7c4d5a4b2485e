#include <benchmark/benchmark.h>

#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"
#include "tools/device_writer/hostile_databases.h"

namespace dw = korvida::devicewriter;

namespace {

// Damaged databases of 90 MB, each read whole in memory (the whole-process figures, with the
// file mapped and the listing printed, come from `korvida list` on make_hostile_device's
// folders).
constexpr std::size_t kSize = 90u * 1000 * 1000;

void readHostile(benchmark::State& state, const dw::hostile::Kind& kind)
{
    const dw::Bytes bytes = kind.make(kSize);
    const bool photos = kind.database == std::string("Photo Database");
    std::size_t items = 0;
    for (auto _ : state) {
        Library library;
        if (photos)
            korvida::readPhotoDatabase(bytes, "/device", library);
        else
            korvida::readITunesDB(bytes, "/device", library);
        items = library.mediasVisible.size();
        benchmark::DoNotOptimize(library);
    }
    state.counters["items"] = static_cast<double>(items);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

const bool registered = [] {
    for (const dw::hostile::Kind& kind : dw::hostile::kinds())
        benchmark::RegisterBenchmark((std::string("HostileRead/") + kind.name).c_str(),
                                     [&kind](benchmark::State& state) { readHostile(state, kind); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    return true;
}();

} // namespace
