#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "cli/export_command.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

// Whole players synced by a Linux tool, when KORVIDA_CORPUS names the folder that holds
// them: every photo, kept only as thumbnails, is exported as a PNG showing the colours the
// expectations name, and every album folder gets the cover of its first tune.

namespace {

std::string field(const std::string& line, const std::string& name)
{
    std::smatch match;
    const std::regex pattern("\"" + name + "\":\"?([^\",}]*)");
    return std::regex_search(line, match, pattern) ? match[1].str() : "";
}

} // namespace

TEST(CorpusArtwork, PhotosAndCoversShowTheirColoursOnceExported)
{
    const char* corpus = std::getenv("KORVIDA_CORPUS");
    if (!corpus)
        GTEST_SKIP() << "KORVIDA_CORPUS is not set";
    const fs::path folder = fs::path(corpus) / "synced-with-artwork";
    for (const std::string model : {"MA147", "MB029"}) {
        SCOPED_TRACE(model);
        TempDir root;
        const fs::path player = root.path() / "player";
        fs::create_directories(player);
        const std::string unpack = "tar -xJf '" + (folder / ("player-" + model + ".tar.xz")).string() + "' -C '" +
            player.string() + "'";
        ASSERT_EQ(std::system(unpack.c_str()), 0);
        // The tunes' own files are not part of the corpus; a stand-in lets each be copied.
        for (int i = 0; i < 12; ++i) {
            const fs::path tune = player / "iPod_Control/Music/F00" /
                ("COV" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".m4a");
            fs::create_directories(tune.parent_path());
            std::ofstream(tune) << "tune";
        }
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(korvida::cli::exportCommand({player.string(), (root.path() / "out").string()}, out, err), 0)
            << err.str();
        EXPECT_EQ(out.str(), "18 copied, 0 skipped (already there), 0 missing on the player, 0 failed\n");

        std::ifstream expectations(folder / ("player-" + model + ".expected.jsonl"));
        std::map<std::string, Rgb> coverOfTitle;
        for (std::string line; std::getline(expectations, line);) {
            if (field(line, "kind") == "cover") {
                coverOfTitle[field(line, "title")] = colourOf(field(line, "rgb"));
                continue;
            }
            const int index = std::stoi(field(line, "index"));
            const fs::path png = root.path() / "out/Photos" / "2026/12/09" /
                ("Photo 000" + std::to_string(index + 1) + ".png");
            const korvida::RgbImage photo = readPngFile(png);
            ASSERT_FALSE(photo.empty()) << png;
            const std::array<Rgb, 4> quarters = quarterColours(photo);
            const char* names[] = {"topleft", "topright", "bottomleft", "bottomright"};
            for (std::size_t i = 0; i < 4; ++i)
                EXPECT_LE(colourDistance(quarters[i], colourOf(field(line, names[i]))), 24) << index << names[i];
        }
        std::size_t folders = 0;
        for (const auto& entry : fs::recursive_directory_iterator(root.path() / "out/Music:Movies")) {
            if (entry.path().filename() != "cover.jpg")
                continue;
            ++folders;
            std::set<std::string> tunes;
            for (const auto& file : fs::directory_iterator(entry.path().parent_path()))
                if (file.path().extension() == ".m4a")
                    tunes.insert(file.path().stem().string().substr(3)); // "01 Cover 01" → "Cover 01"
            const korvida::RgbImage cover = readJpegFile(entry.path());
            ASSERT_FALSE(cover.empty());
            EXPECT_LE(colourDistance(pixelAt(cover, cover.width / 2, cover.height / 2), coverOfTitle[*tunes.begin()]),
                      24)
                << entry.path();
        }
        EXPECT_EQ(folders, 8u);
    }
}
