#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/list_command.h"
#include "cli/utc_time_text.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

// The whole players of the corpus (synced-with-artwork/player-MODEL.tar.xz), when
// KORVIDA_CORPUS names the corpus folder: each tune's statistics in `list --json` are those
// its expectations file (player-MODEL.expected.jsonl) names.

namespace {

std::string field(const std::string& line, const std::string& key)
{
    std::smatch found;
    const std::regex pattern("\"" + key + "\":(\"[^\"]*\"|[0-9]+)");
    return std::regex_search(line, found, pattern) ? found[1].str() : std::string();
}

std::string isoOrNull(const std::string& unixSeconds)
{
    const long long seconds = std::stoll(unixSeconds);
    return seconds == 0 ? "null" : "\"" + korvida::cli::utcTimeText(seconds) + "\"";
}

// The players rate in steps of 20, one star each.
std::string stars(const std::string& rating)
{
    return std::to_string(std::stoi(rating) / 20);
}

} // namespace

TEST(SyncedPlayers, ListGivesEveryTunesStatistics)
{
    const char* corpus = std::getenv("KORVIDA_CORPUS");
    const fs::path folder = corpus ? fs::path(corpus) / "synced-with-artwork" : fs::path();
    if (!corpus || !fs::is_directory(folder))
        GTEST_SKIP() << "KORVIDA_CORPUS is not set or holds no synced players";
    int players = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".tar.xz"))
            continue;
        SCOPED_TRACE(name);
        ++players;
        TempDir player;
        const std::string unpack = "tar -xJf '" + entry.path().string() + "' -C '" + player.path().string() + "'";
        ASSERT_EQ(std::system(unpack.c_str()), 0);
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(korvida::cli::listCommand({player.path().string(), "--json"}, out, err), 0) << err.str();
        const std::string listing = out.str();

        std::ifstream expectations(folder / (name.substr(0, name.size() - 7) + ".expected.jsonl"));
        int tunes = 0;
        for (std::string line; std::getline(expectations, line);) {
            if (field(line, "kind") != "\"cover\"")
                continue;
            ++tunes;
            const std::string expected = "\"name\": " + field(line, "title") +
                "[^}]*\"rating\": " + stars(field(line, "rating")) + ", \"playCount\": " + field(line, "playcount") +
                ", \"skipCount\": " + field(line, "skipcount") +
                ", \"lastPlayed\": " + isoOrNull(field(line, "lastplayed")) +
                ", \"dateAdded\": " + isoOrNull(field(line, "added"));
            EXPECT_TRUE(std::regex_search(listing, std::regex(expected))) << expected;
        }
        EXPECT_EQ(tunes, 12);
    }
    EXPECT_EQ(players, 2);
}
