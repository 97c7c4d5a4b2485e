#include <gtest/gtest.h>

#include "import/import_scripts.h"
#include "import/script_statements.h"
#include "import/script_text.h"
#include "library/in_media.h"
#include "library/play_list.h"

using namespace korvida;

namespace {

std::unique_ptr<PlayList> listNamed(const std::string& name, bool ticked = false)
{
    auto list = std::make_unique<PlayList>();
    list->setListName(name);
    list->setTaged(ticked);
    return list;
}

class Scripts : public ::testing::Test {
protected:
    Scripts()
    {
        tune.setName("Song");
        tune.setGenere("Rock");
        tune.setMediaType(InMedia::kMusic);
        tune.setPath("/Volumes/IPOD/iPod_Control/Music/F01/ABCD.mp3");
        // Index 0 is the device's entry; it holds the tune here only to show it is never used.
        playLists.push_back(listNamed("Road trip"));
        playLists.back()->addMedia(&tune);
    }

    InMedia tune;
    std::vector<std::unique_ptr<PlayList>> entries;
    std::vector<std::unique_ptr<PlayList>> playLists;
};

} // namespace

TEST_F(Scripts, TuneInNoTickedPlaylistGetsTheOpeningTheAddAndTheEnd)
{
    entries.push_back(listNamed("Road trip", true));
    entries.push_back(listNamed("Nowhere", true));
    playLists.push_back(listNamed("Road trip"));
    EXPECT_EQ(trackScript(tune, entries, playLists),
              "tell application \"iTunes\"\n\t"
              "\n\tset new_track to {add file \":Volumes:IPOD:iPod_Control:Music:F01:ABCD.mp3\" to playlist "
              "\"Korvida\"}"
              "\nend tell");
}

TEST_F(Scripts, FilmGetsNameAndGenreBeforeOneCopyLinePerTickedMembership)
{
    tune.setMediaType(InMedia::kMovie);
    tune.setName("Big \"Film\"");
    tune.setGenere("Sci\\Fi");
    entries.push_back(listNamed("Road trip", true));
    entries.push_back(listNamed("Quiet", false));
    for (const char* name : {"Road trip", "Quiet"}) {
        playLists.push_back(listNamed(name));
        playLists.back()->addMedia(&tune);
        playLists.back()->addMedia(&tune);
    }
    const std::string script = trackScript(tune, entries, playLists);
    EXPECT_EQ(script.substr(script.find("}") + 1),
              "\n\tset name of new_track to \"Big \\\"Film\\\"\""
              "\n\tset genre of new_track to \"Sci\\\\Fi\""
              "\n\tcopy new_track to {playlist \"Road trip\"}"
              "\n\tcopy new_track to {playlist \"Road trip\"}"
              "\nend tell");
}

TEST_F(Scripts, PreparationMakesKorvidaAndEveryTickedPlaylist)
{
    entries.push_back(listNamed("Road \"trip\"", true));
    entries.push_back(listNamed("Skipped", false));
    const std::string make = "\n\tif not (exists user playlist new_playlist_name) then"
                             "\n\t\tset new_playlist_name to (make new playlist with properties "
                             "{name:new_playlist_name})"
                             "\n\tend if";
    EXPECT_EQ(preparationScript(entries),
              "tell application \"iTunes\"\n\tset new_playlist_name to \"Korvida\"" + make +
                  "\n\tset new_playlist_name to \"Road \\\"trip\\\"\"" + make + "\nend tell");
}

TEST(PictureScript, PathsInOrderInOneListAndEmptyBracesWithNone)
{
    const std::string head = "tell application \"iPhoto\"\n\tset new_playlist_name to \"Korvida\""
                             "\n\tif not (exists album new_playlist_name) then"
                             "\n\t\tnew album name new_playlist_name with properties\n\tend if\n\timport from {";
    const std::string tail = "} to album \"Korvida\"\nend tell";
    EXPECT_EQ(pictureScript({"/p/b.jpg", "/p/a\".jpg"}), head + "\"/p/b.jpg\",\"/p/a\\\".jpg\"" + tail);
    EXPECT_EQ(pictureScript({}), head + tail);
}

TEST(ScriptText, HostileValuesComeBackIntactAsOneLiteral)
{
    const std::string hostile = "x\" & (do shell script \"touch /tmp/owned\") & \"\\\n\\";
    const auto statements = readStatements("set name of new_track to " + scriptLiteral(hostile) + "\nend tell");
    ASSERT_EQ(statements.size(), 2u);
    EXPECT_EQ(statements[0].shape, std::string("set name of new_track to ") + kLiteralMark);
    EXPECT_EQ(statements[0].literals, std::vector<std::string>{hostile});
    EXPECT_TRUE(readStatements("set x to \"never closed").empty());
}

TEST(ScriptText, HfsStylePathJoinsComponentsWithColons)
{
    EXPECT_EQ(hfsStylePath("/Volumes/IPOD/iPod_Control/Music/F01/ABCD.mp3"),
              ":Volumes:IPOD:iPod_Control:Music:F01:ABCD.mp3");
    EXPECT_EQ(hfsStylePath("//media//ipod/"), ":media:ipod");
}
