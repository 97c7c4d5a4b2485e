// Copy throughput of the engine against cp followed by sync on the same files: 24 files of
// 12.5 MB (300 MB), read from the page cache, written into a fresh folder on the same file
// system. The engine flushes every file before giving it its name, so cp is made to reach
// the disk too.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "copy/media_copy.h"
#include "copy_bench_folder.h"
#include "library/in_media.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 24;
constexpr std::size_t kFileSize = 12'500'000;

struct Sources : korvida::bench::CopyBenchFolder {
    std::vector<fs::path> files;

    Sources()
        : CopyBenchFolder("copy"),
          files(
              writeNoiseFiles("source", kFiles, kFileSize, [](int i) { return "track" + std::to_string(i) + ".mp3"; }))
    {}
};

const Sources& sources()
{
    static const Sources instance;
    return instance;
}

void BM_CopyPath(benchmark::State& state)
{
    const Sources& files = sources();
    InMedia media;
    std::atomic<int> numberOfSaveMedia{0};
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path destination = files.freshDestination();
        state.ResumeTiming();
        for (const fs::path& file : files.files)
            if (!korvida::copyPath(media, file.string(), (destination / file.filename()).string(), numberOfSaveMedia))
                state.SkipWithError("copy failed");
    }
    state.SetBytesProcessed(state.iterations() * kFiles * static_cast<std::int64_t>(kFileSize));
}

void BM_CpAndSync(benchmark::State& state)
{
    const Sources& files = sources();
    const std::string command = "cp " + (files.root / "source").string() + "/* " +
        (files.root / "destination").string() + "/ && sync";
    for (auto _ : state) {
        state.PauseTiming();
        files.freshDestination();
        state.ResumeTiming();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cp or sync failed");
    }
    state.SetBytesProcessed(state.iterations() * kFiles * static_cast<std::int64_t>(kFileSize));
}

} // namespace

BENCHMARK(BM_CopyPath)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)->Repetitions(3);
BENCHMARK(BM_CpAndSync)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)->Repetitions(3);
