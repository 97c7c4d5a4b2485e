// An import into the user's folders against a plain export of the same items: 24 tunes of
// 12.5 MB (300 MB) read from the page cache, all in one ticked playlist, written into fresh
// folders on the same file system. The import should cost the export plus the playlist files.
// Then imports of many tiny tunes, all in one ticked playlist, where the playlist files are
// most of the work: the bytes the process wrote grow with the tunes, not with their square.
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "copy/copy_queue.h"
#include "copy/export_delegate.h"
#include "copy/run_folders.h"
#include "import/desktop_script_runner.h"
#include "import/import_run.h"
#include "library/in_media.h"
#include "library/play_list.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTunes = 24;
constexpr std::size_t kTuneSize = 12'500'000;

// A player of `tunes` tunes of `tuneSize` bytes, all in the ticked playlist "Road trip".
struct Player {
    fs::path root;
    std::vector<std::unique_ptr<InMedia>> items;
    std::vector<std::unique_ptr<PlayList>> playLists;
    std::vector<std::unique_ptr<PlayList>> entries;

    Player(int tunes, std::size_t tuneSize)
        : root(fs::temp_directory_path() /
               ("korvida-import-bench-" + std::to_string(::getpid()) + "-" + std::to_string(tunes)))
    {
        fs::create_directories(root / "player");
        std::string bytes(tuneSize, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 2654435761u >> 24);
        playLists.push_back(std::make_unique<PlayList>());
        playLists.push_back(std::make_unique<PlayList>());
        playLists[1]->setListName("Road trip");
        for (int i = 0; i < tunes; ++i) {
            auto tune = std::make_unique<InMedia>();
            tune->setName("Tune " + std::to_string(i));
            tune->setArtist("Artist");
            tune->setAlbum("Album " + std::to_string(i % 3));
            tune->setFileType("mp3");
            tune->setMediaType(InMedia::kMusic);
            tune->setTuneOnCdNr(i + 1);
            tune->setTaged(true);
            tune->setPath((root / "player" / ("T" + std::to_string(i) + ".mp3")).string());
            std::ofstream(tune->getPath(), std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            playLists[1]->addMedia(tune.get());
            items.push_back(std::move(tune));
        }
        entries.push_back(std::make_unique<PlayList>());
        entries[0]->setListName("Road trip");
        entries[0]->setTaged(true);
    }
    ~Player() { fs::remove_all(root); }

    fs::path fresh(const std::string& name) const
    {
        fs::remove_all(root / name);
        fs::create_directory(root / name);
        return root / name;
    }
};

const Player& player()
{
    static const Player instance(kTunes, kTuneSize);
    return instance;
}

void BM_Export(benchmark::State& state)
{
    const Player& device = player();
    for (auto _ : state) {
        const fs::path folder = device.fresh("export");
        std::atomic<int> count{0};
        const std::atomic<int> withNumbers{1};
        const korvida::ExportDelegate delegat{count, withNumbers, [] {
                                              }};
        korvida::CopyQueue queue;
        queue.queueTagged(device.items, count);
        queue.exportQueued(device.items, korvida::prepareRunFolders(device.items, folder.string()), delegat);
    }
    state.SetBytesProcessed(state.iterations() * kTunes * static_cast<std::int64_t>(kTuneSize));
}

// Imports every item of `device` into a fresh home.
void importAll(const Player& device)
{
    const fs::path home = device.fresh("home");
    korvida::DesktopScriptRunner runner(
        {(home / "Music").string(), (home / "Videos").string(), (home / "Pictures").string()});
    korvida::CopyQueue queue;
    std::atomic<int> count{0};
    const std::atomic<bool> stopped{false};
    const korvida::ImportRun run{device.items, device.entries, device.playLists, queue, count, stopped, runner, {}, [] {
                                 }};
    korvida::importQueued(run, korvida::queueForImport(run, true, true), true, true);
}

// The bytes this process has handed to write calls so far ("wchar" of /proc/self/io).
double bytesWritten()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    double value = 0;
    while (io >> key >> value)
        if (key == "wchar:")
            return value;
    return 0;
}

void BM_Import(benchmark::State& state)
{
    const Player& device = player();
    for (auto _ : state)
        importAll(device);
    state.SetBytesProcessed(state.iterations() * kTunes * static_cast<std::int64_t>(kTuneSize));
}

void BM_ImportTinyTunes(benchmark::State& state)
{
    const Player device(static_cast<int>(state.range(0)), 64);
    double written = 0;
    for (auto _ : state) {
        const double before = bytesWritten();
        importAll(device);
        written += bytesWritten() - before;
    }
    state.counters["MB_written"] = written / 1e6 / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportTinyTunes)->Arg(1000)->Arg(4000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
