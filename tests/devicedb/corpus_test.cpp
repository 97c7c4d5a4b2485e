#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "devicedb/device_reader.h"
#include "support/temp_dir.h"
#include "tools/device_writer/device_writer.h"

namespace fs = std::filesystem;
namespace dw = korvida::devicewriter;

// Databases taken from real players, when KORVIDA_CORPUS names the folder that holds them.

namespace {

std::vector<fs::path> corpusFiles()
{
    const char* folder = std::getenv("KORVIDA_CORPUS");
    std::vector<fs::path> files;
    std::error_code error;
    if (!folder)
        return files;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".itdb")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Text a player shows: no control characters, no replacement characters, and nothing from
// the blocks that binary record bytes decode into (unassigned or rarely used CJK extension
// and private-use ranges).
bool looksLikeText(const std::string& text)
{
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        decoded += code;
        i += length;
    }
    for (char32_t code : decoded) {
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        const bool junk = code == 0xFFFD || (code >= 0x3400 && code < 0x4DC0) || (code >= 0xA000 && code < 0xAC00) ||
            (code >= 0xD800 && code < 0xF900) || code >= 0x20000;
        if (control || junk)
            return false;
    }
    return true;
}

Library readAsDevice(const fs::path& database, const TempDir& folder)
{
    dw::Device device;
    device.withITunesDB = false;
    dw::writeDevice(folder.path(), device);
    std::error_code error;
    fs::create_directories(folder.path() / "iPod_Control" / "iTunes", error);
    fs::copy_file(database, folder.path() / "iPod_Control" / "iTunes" / "iTunesDB", error);
    return korvida::readDevice(folder.path().string());
}

} // namespace

TEST(Corpus, EveryTrackHasItsOwnCleanStrings)
{
    const std::vector<fs::path> files = corpusFiles();
    if (files.empty())
        GTEST_SKIP() << "KORVIDA_CORPUS is not set";
    const std::map<std::string, std::size_t> expectedTracks = {{"itunes4-5375tracks.itdb", 5375},
                                                               {"itunes10-1172tracks.itdb", 1172}};
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        TempDir folder;
        const Library library = readAsDevice(file, folder);
        ASSERT_FALSE(library.mediasVisible.empty());
        if (const auto expected = expectedTracks.find(file.filename().string()); expected != expectedTracks.end()) {
            EXPECT_EQ(library.mediasVisible.size(), expected->second);
        }

        std::map<std::string, int> titleCount;
        for (const auto& media : library.mediasVisible) {
            for (const std::string& text :
                 {media->getCleanName(), media->getArtist(), media->getAlbum(), media->getGenere(), media->getPath()})
                ASSERT_TRUE(looksLikeText(text)) << text;
            EXPECT_FALSE(media->getCleanName().empty());
            EXPECT_EQ(media->getPath().rfind(folder.path().string() + "/iPod_Control/Music/", 0), 0u);
            ++titleCount[media->getCleanName() + "\t" + media->getAlbum()];
        }
        // Borrowed strings would make neighbouring tracks share title and album.
        for (const auto& [title, count] : titleCount)
            EXPECT_LE(count, 3) << title;
    }
}

TEST(Corpus, NewerFilesPlaylistsHaveTheirMembers)
{
    for (const fs::path& file : corpusFiles()) {
        if (file.filename() != "itunes10-1172tracks.itdb")
            continue;
        TempDir folder;
        const Library library = readAsDevice(file, folder);
        ASSERT_GE(library.playLists.size(), 2u);
        EXPECT_EQ(library.playLists[0]->getCleanListName(), "Music/Movies");
        std::size_t members = 0;
        for (std::size_t i = 1; i < library.playLists.size(); ++i) {
            EXPECT_FALSE(library.playLists[i]->getMedias().empty());
            EXPECT_TRUE(looksLikeText(library.playLists[i]->getCleanListName()));
            members += library.playLists[i]->getMedias().size();
        }
        EXPECT_GE(members, 100u);
        return;
    }
    GTEST_SKIP() << "KORVIDA_CORPUS is not set or lacks the newer database";
}
