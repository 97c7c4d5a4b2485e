#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "copy/copy_failure.h"
#include "copy/copy_outcome.h"
#include "copy/file_copy_source.h"
#include "copy/media_copy.h"
#include "copy_files.h"
#include "library/in_media.h"
#include "support/temp_dir.h"

using korvida::CopyOutcome;

namespace {

// A file source that notes every chunk asked of it and can be told to fail: from a given
// chunk on it reports a read error, or the source's end.
class ScriptedSource final : public korvida::CopySource {
public:
    enum class Failure {
        none,
        readError,
        earlyEnd,
        shrinks,
        cutShort
    };

    ScriptedSource(const std::string& path, int failingChunk = -1, Failure failure = Failure::none)
        : path(path), file(path), failingChunk(failingChunk), failure(failure)
    {}

    bool isOpen() const override { return file.isOpen(); }
    std::uint64_t measureSize() override { return file.measureSize(); }
    std::int64_t copyChunk(std::uint64_t offset, std::size_t length, int destination) override
    {
        requests.push_back({offset, length});
        if (static_cast<int>(requests.size()) - 1 == failingChunk) {
            if (failure == Failure::readError) {
                errno = EIO;
                return -1;
            }
            if (failure == Failure::earlyEnd)
                return 0;
            // A few bytes off the end leave the rest of the last page readable, as zeros; a
            // cut to 20000 bytes takes whole pages away, as an unplugged player does.
            std::filesystem::resize_file(path, failure == Failure::shrinks ? file.measureSize() - 100 : 20000);
        }
        return file.copyChunk(offset, length, destination);
    }

    std::vector<std::pair<std::uint64_t, std::size_t>> requests;

private:
    std::string path;
    korvida::FileCopySource file;
    int failingChunk;
    Failure failure;
};

constexpr std::size_t kBlock = korvida::kCopyChunkSize * korvida::kChunksPerBlock;

struct CopyEngine : ::testing::Test {
    TempDir dir;
    InMedia media;
    std::atomic<int> counter{5};

    std::string path(const char* name) const { return (dir.path() / name).string(); }
};

} // namespace

TEST_F(CopyEngine, CopiesFilesAroundTheChunkSizeByteForByte)
{
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{10000}, std::size_t{16384}, std::size_t{20000},
                             std::size_t{100000}, 3 * kBlock + 5000}) {
        SCOPED_TRACE(size);
        const auto source = path("source");
        const auto destination = path(("copy-" + std::to_string(size)).c_str());
        const auto bytes = writePatternFile(source, size);
        const int before = counter.load();
        EXPECT_TRUE(korvida::copyPath(media, source, destination, counter));
        EXPECT_EQ(readWholeFile(destination), bytes);
        EXPECT_EQ(counter.load(), before - 1);
        EXPECT_FALSE(media.getIsCopying());
    }
}

TEST_F(CopyEngine, CopyKeepsTheModificationTimeOfItsSource)
{
    const auto source = path("source");
    writePatternFile(source, 20000);
    const auto longAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::filesystem::last_write_time(source, longAgo);
    ASSERT_TRUE(korvida::copyPath(media, source, path("copy"), counter));
    EXPECT_EQ(std::filesystem::last_write_time(path("copy")), longAgo);
}

TEST_F(CopyEngine, MovesBlocksAndAdvancesByWholeChunks)
{
    writePatternFile(path("small"), 10000);
    ScriptedSource small(path("small"));
    ASSERT_EQ(korvida::copyFrom(media, small, path("small-copy"), counter), CopyOutcome::copied);
    EXPECT_EQ(small.requests, (decltype(small.requests){{0, 10000 * korvida::kChunksPerBlock}}));
    EXPECT_EQ(media.getPosisjon(), 1000u);

    writePatternFile(path("two"), 20000);
    ScriptedSource two(path("two"));
    ASSERT_EQ(korvida::copyFrom(media, two, path("two-copy"), counter), CopyOutcome::copied);
    EXPECT_EQ(two.requests, (decltype(two.requests){{0, kBlock}}));
    EXPECT_EQ(media.getFileSize(), 2000u);
    EXPECT_EQ(media.getPosisjon(), 3276u); // 32768 bytes: two chunks, above the size

    writePatternFile(path("blocks"), kBlock + 20000);
    ScriptedSource blocks(path("blocks"));
    ASSERT_EQ(korvida::copyFrom(media, blocks, path("blocks-copy"), counter), CopyOutcome::copied);
    EXPECT_EQ(blocks.requests, (decltype(blocks.requests){{0, kBlock}, {kBlock, kBlock}}));
    EXPECT_EQ(media.getPosisjon(), (kBlock + 32768) / 10);

    writePatternFile(path("exact"), 16384);
    EXPECT_TRUE(korvida::copyPath(media, path("exact"), path("exact-copy"), counter));
    EXPECT_EQ(media.getFileSize(), 1638u);
    EXPECT_EQ(media.getPosisjon(), 1638u);

    ScriptedSource empty((writePatternFile(path("empty"), 0), path("empty")));
    EXPECT_EQ(korvida::copyFrom(media, empty, path("empty-copy"), counter), CopyOutcome::copied);
    EXPECT_TRUE(empty.requests.empty());
    EXPECT_TRUE(std::filesystem::exists(path("empty-copy")));
}

TEST_F(CopyEngine, CancelBeforeTheFirstChunkCopiesNothingAndClearsTheRequest)
{
    const auto bytes = writePatternFile(path("source"), 50000);
    media.setShouldStopCopy(true);
    EXPECT_FALSE(korvida::copyPath(media, path("source"), path("copy"), counter));
    EXPECT_EQ(counter.load(), 4);
    EXPECT_EQ(treeOf(dir.path()), std::set<std::string>{"source"});
    // The request was used up: the next copy runs to its end.
    EXPECT_TRUE(korvida::copyPath(media, path("source"), path("copy"), counter));
    EXPECT_EQ(readWholeFile(path("copy")), bytes);
}

TEST_F(CopyEngine, SourceThatCannotBeOpenedFailsAndCountsDownOnce)
{
    EXPECT_FALSE(korvida::copyPath(media, path("missing"), path("copy"), counter));
    EXPECT_EQ(media.getFileSize(), 0u);
    EXPECT_FALSE(media.getIsCopying());
    EXPECT_EQ(counter.load(), 4);

    // A pipe or a folder at the source's path is refused at once instead of blocking or
    // reading what is not a file.
    EXPECT_EQ(media.getCopyFailure(), ENOENT);
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(korvida::copyPath(media, path("pipe"), path("copy"), counter));
    EXPECT_EQ(korvida::copyFailureReason(media.getCopyFailure()), "not a regular file");
    std::filesystem::create_directory(path("folder"));
    EXPECT_FALSE(korvida::copyPath(media, path("folder"), path("copy"), counter));
    EXPECT_EQ(counter.load(), 2);
    EXPECT_EQ(treeOf(dir.path()), (std::set<std::string>{"folder", "pipe"}));
}

TEST_F(CopyEngine, ReadFailingOrEndingMidFileIsAFailureThatLeavesNothing)
{
    using Failure = ScriptedSource::Failure;
    for (auto failure : {Failure::readError, Failure::earlyEnd, Failure::shrinks, Failure::cutShort}) {
        writePatternFile(path("source"), 3 * kBlock + 5000);
        ScriptedSource source(path("source"), 2, failure);
        const int before = counter.load();
        EXPECT_EQ(korvida::copyFrom(media, source, path("copy"), counter), CopyOutcome::failed);
        EXPECT_EQ(source.requests.size(), failure == Failure::shrinks ? 4u : 3u);
        EXPECT_EQ(media.getCopyFailure(), failure == Failure::readError ? EIO : korvida::kSourceChanged);
        EXPECT_EQ(counter.load(), before - 1);
        EXPECT_FALSE(media.getIsCopying());
        EXPECT_EQ(treeOf(dir.path()), std::set<std::string>{"source"});
    }
}

TEST_F(CopyEngine, DestinationThatRefusesToGrowIsAFailureThatLeavesNothing)
{
    writePatternFile(path("source"), 60000);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 20000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool copied = korvida::copyPath(media, path("source"), path("copy"), counter);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(copied);
    EXPECT_EQ(korvida::copyFailureReason(media.getCopyFailure()), "file too large for the file system");
    EXPECT_EQ(counter.load(), 4);
    EXPECT_EQ(treeOf(dir.path()), std::set<std::string>{"source"});
}

TEST_F(CopyEngine, ExistingDestinationIsNeverReplaced)
{
    writePatternFile(path("source"), 30000);
    std::ofstream(path("copy")) << "keep me";
    EXPECT_FALSE(korvida::copyPath(media, path("source"), path("copy"), counter));
    EXPECT_EQ(media.getCopyFailure(), EEXIST);
    EXPECT_EQ(readWholeFile(path("copy")), "keep me");
    EXPECT_EQ(counter.load(), 4);
    EXPECT_EQ(treeOf(dir.path()), (std::set<std::string>{"copy", "source"}));
}

TEST_F(CopyEngine, FilesTheKernelCannotCopyGoThroughAMappingOrABuffer)
{
    using Reading = korvida::FileCopySource::Reading;
    for (Reading reading : {Reading::mapped, Reading::buffered}) {
        for (std::size_t size : {std::size_t{1}, std::size_t{16384}, 2 * kBlock + 20000}) {
            SCOPED_TRACE(size);
            const auto bytes = writePatternFile(path("source"), size);
            korvida::FileCopySource source(path("source"), reading);
            const auto destination = path(("copy-" + std::to_string(size)).c_str());
            EXPECT_EQ(korvida::copyFrom(media, source, destination, counter), CopyOutcome::copied);
            EXPECT_EQ(readWholeFile(destination), bytes);
            std::filesystem::remove(destination);
        }
    }
}
