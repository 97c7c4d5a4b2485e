// Copying photos kept only as thumbnails: 1,000 pictures of 720 × 480 (YUV 4:2:2 with split
// fields, as players keep them for a television) decoded and written as PNG files, against
// copying 1,000 JPEG files of 500 KB. Both read from the page cache and write into a fresh
// folder on the same file system.
#include <benchmark/benchmark.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "copy/item_source.h"
#include "copy/media_copy.h"
#include "copy_bench_folder.h"
#include "library/in_media.h"
#include "tools/device_writer/device_writer.h"

namespace fs = std::filesystem;
namespace writer = korvida::devicewriter;

namespace {

constexpr int kPhotos = 1000;
constexpr int kDistinctFrames = 10;
constexpr std::uint32_t kWidth = 720;
constexpr std::uint32_t kHeight = 480;
constexpr std::size_t kJpegSize = 500'000;

struct Player : korvida::bench::CopyBenchFolder {
    std::vector<std::unique_ptr<InMedia>> photos;
    std::vector<fs::path> jpegs;

    Player() : CopyBenchFolder("thumbnail")
    {
        fs::create_directories(root / "player" / "Photos" / "Thumbs");
        // Frames with smooth shading and fine grain, as photos have.
        const auto thumbs = std::make_shared<const std::string>((root / "player/Photos/Thumbs/F1019_1.ithmb").string());
        std::ofstream file(*thumbs, std::ios::binary);
        std::size_t frameBytes = 0;
        for (int frame = 0; frame < kDistinctFrames; ++frame) {
            writer::Bytes rgb;
            for (std::uint32_t y = 0; y < kHeight; ++y)
                for (std::uint32_t x = 0; x < kWidth; ++x) {
                    const unsigned grain = (x * 2654435761u ^ y * 40503u ^ frame) >> 29;
                    rgb.insert(rgb.end(),
                               {static_cast<std::uint8_t>(x * 255 / kWidth + grain),
                                static_cast<std::uint8_t>(y * 255 / kHeight + grain),
                                static_cast<std::uint8_t>(frame * 20 + grain)});
                }
            const writer::Bytes stored = writer::encodeFrame(rgb, kWidth, kHeight, writer::Pixels::uyvy, true);
            frameBytes = stored.size();
            file.write(reinterpret_cast<const char*>(stored.data()), static_cast<std::streamsize>(stored.size()));
        }
        for (int i = 0; i < kPhotos; ++i) {
            StoredPicture picture;
            picture.file = thumbs;
            picture.offset = (i % kDistinctFrames) * frameBytes;
            picture.byteCount = static_cast<std::uint32_t>(frameBytes);
            picture.frameWidth = picture.width = kWidth;
            picture.frameHeight = picture.height = kHeight;
            auto photo = std::make_unique<InMedia>();
            photo->setMediaType(InMedia::kPhoto);
            photo->setStoredPicture(picture);
            photos.push_back(std::move(photo));
        }
        jpegs = writeNoiseFiles("jpegs", kPhotos, kJpegSize, [](int i) { return "IMG_" + std::to_string(i) + ".JPG"; });
    }
};

const Player& player()
{
    static const Player instance;
    return instance;
}

void BM_ExportThumbnailPhotosAsPng(benchmark::State& state)
{
    const Player& files = player();
    std::atomic<int> count{0};
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path destination = files.freshDestination();
        state.ResumeTiming();
        for (int i = 0; i < kPhotos; ++i) {
            InMedia& photo = *files.photos[i];
            const auto source = korvida::resolveItemFile(photo, files.root.string());
            auto copy = korvida::openItemSource(photo, *source);
            count.store(1);
            korvida::copyFrom(photo, *copy, (destination / ("Photo " + std::to_string(i) + ".png")).string(), count);
        }
    }
}
BENCHMARK(BM_ExportThumbnailPhotosAsPng)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CopyJpegFiles(benchmark::State& state)
{
    const Player& files = player();
    std::atomic<int> count{0};
    InMedia media;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path destination = files.freshDestination();
        state.ResumeTiming();
        for (int i = 0; i < kPhotos; ++i) {
            count.store(1);
            korvida::copyPath(media, files.jpegs[i].string(), (destination / files.jpegs[i].filename()).string(),
                              count);
        }
    }
}
BENCHMARK(BM_CopyJpegFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
