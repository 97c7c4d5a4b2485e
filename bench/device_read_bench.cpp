#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

#include "devicedb/device_reader.h"
#include "tools/device_writer/device_writer.h"

namespace fs = std::filesystem;
namespace dw = korvida::devicewriter;

namespace {

// A player folder under the temporary folder, removed at exit.
class BenchDevice {
public:
    explicit BenchDevice(const std::string& name)
        : root(fs::temp_directory_path() / ("korvida-bench-" + name + "-" + std::to_string(::getpid())))
    {}
    ~BenchDevice()
    {
        std::error_code error;
        fs::remove_all(root, error);
    }
    std::string path() const { return root.string(); }

    std::uintmax_t databaseBytes() const
    {
        std::error_code error;
        std::uintmax_t total = 0;
        for (const fs::path& file : {root / "iPod_Control/iTunes/iTunesDB", root / "Photos/Photo Database"}) {
            const std::uintmax_t size = fs::file_size(file, error);
            total += error ? 0 : size;
        }
        return total;
    }

    fs::path root;
};

// 50,000 tracks, 20 playlists of 5,000 members, 5,000 photos in 50 albums.
const BenchDevice& syntheticDevice()
{
    static const BenchDevice device = [] {
        BenchDevice made("synthetic");
        dw::Device player;
        for (std::uint32_t i = 0; i < 50000; ++i) {
            char location[64];
            std::snprintf(location, sizeof location, ":iPod_Control:Music:F%02u:T%05u.mp3", i % 50, i);
            player.tracks.push_back({"Track title number " + std::to_string(i), "Artist " + std::to_string(i % 700),
                                     "Album " + std::to_string(i % 4000), "Genre " + std::to_string(i % 25), location,
                                     i + 1, i % 20 + 1, "MPEG audio file"});
        }
        for (std::uint32_t list = 0; list < 20; ++list) {
            dw::Playlist playlist{"Playlist " + std::to_string(list), {}};
            for (std::uint32_t member = 0; member < 5000; ++member)
                playlist.memberIds.push_back((list * 2477 + member * 7) % 50000 + 1);
            player.playlists.push_back(std::move(playlist));
        }
        for (std::uint32_t i = 0; i < 5000; ++i) {
            char place[96];
            std::snprintf(place, sizeof place, ":Full Resolution:20%02u:%02u:%02u:IMG_%04u.JPG", i % 10, i % 12 + 1,
                          i % 28 + 1, i);
            player.photos.push_back({100000 + i, place, ""});
        }
        for (std::uint32_t album = 0; album < 50; ++album) {
            dw::PhotoAlbum photos{"Album " + std::to_string(album), {}};
            for (std::uint32_t member = 0; member < 100; ++member)
                photos.imageIds.push_back(100000 + album * 100 + member);
            player.albums.push_back(std::move(photos));
        }
        player.withPhotos = true;
        dw::writeDevice(made.root, player);
        return made;
    }();
    return device;
}

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

// A value from /proc/self/status, in kB.
double statusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::atof(line.c_str() + key.size() + 1);
    return 0;
}

// Peak memory of one whole read: memory freed earlier (the generated device) goes back to
// the system and the peak resident size is reset before the read, so the peak after it
// less the resident size before it is what the read needed at most.
void BM_ReadSyntheticDevicePeakMemory(benchmark::State& state)
{
    const BenchDevice& device = syntheticDevice();
    double before = 0, peak = 0;
    for (auto _ : state) {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        before = statusKilobytes("VmRSS");
        {
            const Library library = korvida::readDevice(device.path());
            benchmark::DoNotOptimize(library.mediasVisible.data());
            peak = statusKilobytes("VmHWM");
        }
    }
    const double database = static_cast<double>(device.databaseBytes()) / 1e3;
    state.counters["read_peak_MB"] = (peak - before) / 1e3;
    state.counters["database_MB"] = database / 1e3;
    state.counters["peak_per_database"] = (peak - before) / database;
}
BENCHMARK(BM_ReadSyntheticDevicePeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
