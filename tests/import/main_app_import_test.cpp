#include <gtest/gtest.h>

#include "app/main_app.h"
#include "support/fake_services.h"

namespace {

// A launched controller whose library has tunes, a film and pictures in playlists, with
// the import chosen in the preferences.
class ImportSheet : public ::testing::Test {
protected:
    ImportSheet()
    {
        fakes.resources.paths["Opstart.mp3"] = "/shipped/Opstart.mp3";
        app = std::make_unique<MainApp>(fakes.services());
        app->applicationDidFinishLaunching();
        app->state.whereToImport = 1;
        app->state.playLists.push_back(list("Music/Movies"));
    }

    std::unique_ptr<PlayList> list(const std::string& name)
    {
        auto playList = std::make_unique<PlayList>();
        playList->setListName(name);
        return playList;
    }

    InMedia& add(const std::string& name, int type, bool tagged = true)
    {
        auto media = std::make_unique<InMedia>();
        media->setName(name);
        media->setMediaType(type);
        media->setTaged(tagged);
        media->setPath("/player/" + name);
        app->mediasVisible.push_back(std::move(media));
        return *app->mediasVisible.back();
    }

    PlayList& playList(const std::string& name, std::initializer_list<InMedia*> members)
    {
        app->state.playLists.push_back(list(name));
        for (InMedia* member : members)
            app->state.playLists.back()->addMedia(member);
        return *app->state.playLists.back();
    }

    void confirm()
    {
        app->do_Itunes_iPhotoImport(app->doImportButton.get());
        if (app->worker.joinable())
            app->worker.join();
        fakes.mainThread.drain();
    }

    std::vector<std::string> entryTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& entry : app->state.iTunesImportPlaylists)
            texts.push_back(entry->getTaggedInPlayList());
        return texts;
    }

    FakeServices fakes;
    std::unique_ptr<MainApp> app;
};

} // namespace

TEST_F(ImportSheet, ListsPlaylistsWithTaggedTracksAndEnablesTheBoxesByWhatIsTagged)
{
    InMedia& tune = add("Tune", InMedia::kMusic);
    InMedia& film = add("Film", InMedia::kMovie);
    InMedia& other = add("Other", InMedia::kMusic, false);
    InMedia& photo = add("Photo", InMedia::kPhoto);
    PlayList& road = playList("Road trip",
                              {&tune, &other, &other, &other, &other, &film, &other, &other, &other, &other});
    playList("Album", {&photo});
    playList("Mixed", {&photo, &other});
    app->importStopped = true;
    app->copyButton(app->copy.get());

    EXPECT_EQ(entryTexts(), std::vector<std::string>{"Road trip  (2/10)"});
    EXPECT_EQ(app->state.iTunesImportPlaylists[0]->getCleanListName(), road.getCleanListName());
    EXPECT_FALSE(app->state.iTunesImportPlaylists[0]->getTaged());
    EXPECT_FALSE(app->importStopped);
    EXPECT_FALSE(app->iTunesPlayListsTableView->isHidden());
    EXPECT_TRUE(app->makeItunesImport->isEnabled() && app->makeItunesImport->state() == 1);
    EXPECT_TRUE(app->makeIPhotoImport->isEnabled() && app->makeIPhotoImport->state() == 1);
    EXPECT_EQ(app->whereToImportPanel->sheetParent(), app->mainWindow.get());

    app->makeItunesImport->setState(0);
    app->iTunesImportTagg(app->makeItunesImport.get());
    EXPECT_TRUE(app->iTunesPlayListsTableView->isHidden());
    confirm();
    ASSERT_EQ(fakes.scripts.scripts().size(), 1u);
    EXPECT_NE(fakes.scripts.scripts()[0].find("iPhoto"), std::string::npos);
}

TEST_F(ImportSheet, OnlyPicturesOrItemsInNoPlaylistLeaveTheTunesBoxOff)
{
    InMedia& photo = add("Photo", InMedia::kPhoto);
    add("Loose", InMedia::kMusic);
    playList("Album", {&photo});
    app->copyButton(app->copy.get());
    EXPECT_TRUE(entryTexts().empty());
    EXPECT_TRUE(app->iTunesPlayListsTableView->isHidden());
    EXPECT_FALSE(app->makeItunesImport->isEnabled() || app->makeItunesImport->state() == 1);
    EXPECT_TRUE(app->makeIPhotoImport->isEnabled() && app->makeIPhotoImport->state() == 1);

    app->state.playLists.pop_back();
    app->copyButton(app->copy.get());
    EXPECT_FALSE(app->makeIPhotoImport->isEnabled());
    confirm();
    EXPECT_TRUE(fakes.scripts.scripts().empty());
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    EXPECT_TRUE(app->copy->isEnabled());
}

TEST_F(ImportSheet, RunImportsTracksThenPicturesAndCancelAllDuringTheTracksSkipsTheRest)
{
    InMedia& first = add("First", InMedia::kMusic);
    InMedia& second = add("Second", InMedia::kMusic);
    InMedia& photo = add("Photo", InMedia::kPhoto);
    playList("Road trip", {&first, &second, &photo});
    app->copyButton(app->copy.get());
    app->state.iTunesImportPlaylists[0]->setTaged(true);

    bool sawImporting = false;
    fakes.scripts.whileRunning = [&](const std::string& script) {
        if (script.find("/player/First") == std::string::npos && script.find(":player:First") == std::string::npos)
            return;
        sawImporting = first.getName() == "Imports First" && second.getName() == "Waiting Second";
        // Cancel all, pressed while the first tune's script runs.
        app->canselAllCopyingButton(app->canselAllCopying.get());
    };
    confirm();
    const auto scripts = fakes.scripts.scripts();
    EXPECT_TRUE(sawImporting);
    ASSERT_EQ(scripts.size(), 2u);
    EXPECT_NE(scripts[0].find("set new_playlist_name to \"Road trip\""), std::string::npos);
    EXPECT_NE(scripts[1].find("copy new_track to {playlist \"Road trip\"}"), std::string::npos);
    EXPECT_FALSE(photo.getShouldStartCopy() || second.getShouldStartCopy());
    EXPECT_EQ(app->state.numberOfSaveMedia, 0);
    EXPECT_TRUE(app->copy->isEnabled());
    EXPECT_EQ(first.getName(), "First");
    // The run ends with its summary; this runner cannot tell how the first tune went.
    EXPECT_EQ(app->copyRunSummary, "0 copied, 0 skipped, 0 missing, 0 failed, 2 cancelled");
}
