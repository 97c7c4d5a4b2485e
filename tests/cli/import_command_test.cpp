#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../copy/copy_files.h"
#include "cli/import_command.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"
#include "tools/demo_device.h"

namespace fs = std::filesystem;

namespace {

const fs::path kAssets = KORVIDA_DEMO_ASSETS;

// The demo player, and a home whose user directories put music in "Musikk".
class ImportCommand : public ::testing::Test {
protected:
    ImportCommand()
    {
        const korvida::demo::DemoDevice demo = korvida::demo::demoDevice();
        EXPECT_TRUE(korvida::devicewriter::writeDevice(player, demo.device));
        for (const auto& file : demo.files) {
            fs::create_directories((player / file.place).parent_path());
            fs::copy_file(kAssets / file.asset, player / file.place, fs::copy_options::overwrite_existing);
        }
        fs::create_directories(home / "config");
        std::ofstream(home / "config/user-dirs.dirs") << "XDG_MUSIC_DIR=\"$HOME/Musikk\"\n";
    }

    int import(std::vector<std::string> options)
    {
        options.insert(options.begin(), player.string());
        std::ostringstream out, err;
        const int status = korvida::cli::importCommand(options, out, err);
        summary = out.str();
        errors = err.str();
        return status;
    }

    std::vector<std::string> entriesOf(const std::string& playlist)
    {
        std::vector<std::string> paths;
        std::istringstream lines(readWholeFile(home / "Musikk/Playlists" / playlist));
        for (std::string line; std::getline(lines, line);)
            if (!line.starts_with("#"))
                paths.push_back(line);
        return paths;
    }

    TempDir root;
    fs::path player = root.path() / "player";
    fs::path home = root.path() / "home";
    ScopedEnvironment homeVariable{"HOME", home.string()};
    ScopedEnvironment configVariable{"XDG_CONFIG_HOME", (home / "config").string()};
    std::string summary;
    std::string errors;
};

} // namespace

TEST_F(ImportCommand, DemoPlayerLandsInTheUserFoldersWithItsPlaylistsAndASecondRunAddsNothing)
{
    ASSERT_EQ(import({"--playlist", "Road trip"}), 0) << summary;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"Musikk/Les Ondes/Courant/01 Café Électrique.mp3", "music/cafe_electrique.mp3"},
        {"Musikk/Fjord Brass/Coastline/03 Harbour Bells.mp3", "music/harbour_bells.mp3"},
        {"Musikk/Aurora Quartet/Polar Nights/01 Northern Lights.mp3", "music/northern_lights.mp3"},
        {"Musikk/Fjord Brass/Coastline/04 Sjøbris.mp3", "music/sjobris.mp3"},
        {"Videos/Sunrise over the Fjord.m4v", "movies/sunrise.m4v"},
        {"Pictures/Korvida/IMG_0101.JPG", "photos/IMG_0101.JPG"},
        {"Pictures/Korvida/IMG_0415.JPG", "photos/IMG_0415.JPG"},
    };
    for (const auto& [imported, asset] : files)
        EXPECT_EQ(readWholeFile(home / imported), readWholeFile(kAssets / asset)) << imported;
    EXPECT_EQ(entriesOf("Road trip.m3u8"),
              (std::vector<std::string>{
                  "../Les Ondes/Courant/01 Café Électrique.mp3", "../Fjord Brass/Coastline/03 Harbour Bells.mp3",
                  "../Aurora Quartet/Polar Nights/01 Northern Lights.mp3", "../Fjord Brass/Coastline/04 Sjøbris.mp3"}));
    EXPECT_EQ(entriesOf("Korvida.m3u8").size(), 6u);
    EXPECT_FALSE(fs::exists(home / "Musikk/Playlists/Quiet evening.m3u8"));

    const auto before = treeOf(home);
    const std::string korvida = readWholeFile(home / "Musikk/Playlists/Korvida.m3u8");
    ASSERT_EQ(import({"--playlist", "Road trip"}), 0);
    EXPECT_EQ(treeOf(home), before);
    EXPECT_EQ(readWholeFile(home / "Musikk/Playlists/Korvida.m3u8"), korvida);
    EXPECT_NE(summary.find("12 skipped"), std::string::npos) << summary;
}

TEST_F(ImportCommand, TypeLeavesAPartOutAndAnUnknownPlaylistIsRefused)
{
    EXPECT_EQ(import({"--playlist", "Nowhere"}), 2);
    EXPECT_FALSE(fs::exists(home / "Musikk"));
    ASSERT_EQ(import({"--type", "photos"}), 0);
    EXPECT_FALSE(fs::exists(home / "Musikk"));
    EXPECT_EQ(treeOf(home / "Pictures/Korvida").size(), 6u);
}

TEST_F(ImportCommand, PlaylistsThatCannotBeWrittenAreToldAndMakeTheRunFail)
{
    fs::create_directories(home / "Musikk");
    std::ofstream(home / "Musikk/Playlists") << "a file, not a folder";
    EXPECT_EQ(import({"--playlist", "Road trip"}), 1) << summary;
    for (const char* file : {"Korvida.m3u8", "Road trip.m3u8"})
        EXPECT_NE(errors.find("could not write the playlist " + (home / "Musikk/Playlists" / file).string() +
                              ": Not a directory"),
                  std::string::npos)
            << errors;
}

TEST_F(ImportCommand, AHomeOnThePlayerIsRefusedAndThePlayerStaysAsItWas)
{
    const ScopedEnvironment homeOnPlayer{"HOME", (player / "home").string()};
    const auto before = treeOf(player);
    EXPECT_EQ(import({}), 2);
    EXPECT_EQ(treeOf(player), before);
    EXPECT_NE(errors.find((player / "home/Musikk").string() + " lies on the player"), std::string::npos) << errors;
}
