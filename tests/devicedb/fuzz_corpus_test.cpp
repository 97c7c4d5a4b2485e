#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "devicedb/artwork_reader.h"
#include "devicedb/itunesdb_reader.h"
#include "devicedb/photodb_reader.h"

namespace fs = std::filesystem;

// Every committed fuzz input, the layouts and the inputs that once crashed a reader, ran out of
// time or of memory, read again under the test build's sanitizers.

namespace {

std::vector<std::uint8_t> contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Reader = std::error_code (*)(korvida::ByteView, const std::string&, Library&, const korvida::ScanProgress&);

std::size_t readEvery(const std::string& target, Reader read)
{
    std::size_t inputs = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        std::error_code error;
        for (const auto& entry :
             fs::directory_iterator(fs::path(KORVIDA_SOURCE_DIR) / "fuzz" / folder / target, error)) {
            SCOPED_TRACE(entry.path().string());
            const std::vector<std::uint8_t> bytes = contents(entry.path());
            Library library;
            read(bytes, "/device", library, {});
            for (const auto& media : library.mediasVisible)
                EXPECT_EQ(media->getPath().rfind("/device/", 0), 0u);
            ++inputs;
        }
    }
    return inputs;
}

} // namespace

TEST(FuzzCorpus, EveryCommittedInputReadsSafely)
{
    EXPECT_GE(readEvery("itunesdb", korvida::readITunesDB), 10u);
    EXPECT_GE(readEvery("photodb", korvida::readPhotoDatabase), 5u);
    EXPECT_GE(readEvery("artwork", korvida::readArtworkDB), 9u);
}
