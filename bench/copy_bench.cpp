// Copy throughput of the engine against cp followed by sync on the same files: 24 files of
// 12.5 MB (300 MB), read from the page cache, written into a fresh folder on the same file
// system. The engine flushes every file before giving it its name, so cp is made to reach
// the disk too.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "copy/media_copy.h"
#include "library/in_media.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 24;
constexpr std::size_t kFileSize = 12'500'000;

struct Sources {
    fs::path root;
    std::vector<fs::path> files;

    Sources()
    {
        root = fs::temp_directory_path() / ("korvida-copy-bench-" + std::to_string(::getpid()));
        fs::create_directories(root / "source");
        std::string bytes(kFileSize, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 2654435761u >> 24);
        for (int i = 0; i < kFiles; ++i) {
            files.push_back(root / "source" / ("track" + std::to_string(i) + ".mp3"));
            std::ofstream(files.back(), std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    ~Sources() { fs::remove_all(root); }

    fs::path freshDestination() const
    {
        const fs::path destination = root / "destination";
        fs::remove_all(destination);
        fs::create_directory(destination);
        return destination;
    }
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
