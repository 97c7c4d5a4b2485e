#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "app/app_fixture.h"
#include "playback/id3_bytes.h"
#include "presentation/fitting.h"
#include "tools/device_writer/device_writer.h"

using korvida::makeRect;

// The controller's playback on fake movies: items whose files lie in a temporary folder.
class PlaybackTest : public LaunchedApp {
protected:
    PlaybackTest() { launch(); }

    InMedia& addItem(const std::string& file, int type, bool exists = true, const id3bytes::Bytes& bytes = {'x'})
    {
        const std::string path = (dir.path() / file).string();
        if (exists)
            korvida::devicewriter::writeFile(path, bytes);
        auto media = std::make_unique<InMedia>();
        media->setName(file);
        media->setPath(path);
        media->setMediaType(type);
        app->medias.push_back(media.get());
        app->mediasVisible.push_back(std::move(media));
        app->mediaTableView->reloadData();
        app->mediaTableViewFullScreen->reloadData();
        return *app->mediasVisible.back();
    }

    void playRow(int row)
    {
        app->mediaTableView->selectRow(row, false);
        app->playing = false;
        app->playButton(nullptr);
    }

    // Waits for the cover lookup's answer, then runs it as the main thread does.
    void answerCover()
    {
        while (fakes.mainThread.pending() == 0)
            std::this_thread::yield();
        fakes.mainThread.drain();
    }

    FakeMovie& movie() const { return *fakes.movies.last; }
    std::size_t opened() const { return fakes.movies.opened.size(); }
    int selected() const { return app->mediaTableView->selectedRow(); }
};

TEST_F(PlaybackTest, PlayPausesAndResumesTheSameItemWithoutReloading)
{
    InMedia& tune = addItem("a.mp3", InMedia::kMusic);
    addItem("b.mp3", InMedia::kMusic);
    const std::size_t before = opened();
    playRow(0);
    ASSERT_EQ(opened(), before + 1);
    EXPECT_TRUE(app->playing);
    EXPECT_TRUE(movie().started);
    EXPECT_TRUE(tune.getIsPlaying());
    EXPECT_EQ(app->corentlyPlaing->stringValue(), "a.mp3");
    EXPECT_EQ(app->play->image(), app->pauseButtonImageControllPanel);
    EXPECT_EQ(app->playButtonControllPanel->image(), app->pauseButtonImageControllPanel);

    movie().time = 250;
    app->playButton(app->play.get());
    EXPECT_FALSE(app->playing);
    EXPECT_FALSE(movie().started);
    EXPECT_EQ(app->play->image(), app->palyButtonImageControllPanel);
    EXPECT_EQ(app->timeSlider->doubleValue(), 250.0) << "the pause shows where it stopped, not the last tick";
    app->playButton(app->play.get());
    EXPECT_TRUE(movie().started);
    EXPECT_EQ(movie().time, 250);
    EXPECT_EQ(opened(), before + 1) << "resumed, not loaded again";

    // A click on another row clears `playing`; play then loads that row.
    app->mediaTableView->selectRow(1, false);
    app->mediaTableView->performClick();
    app->playButton(nullptr);
    EXPECT_EQ(opened(), before + 2);
    EXPECT_FALSE(tune.getIsPlaying());
    EXPECT_EQ(app->lastPlaydMedia, app->medias[1]);
}

TEST_F(PlaybackTest, KindsSetTheViewsAndTheTimeControls)
{
    addItem("photo.jpg", InMedia::kPhoto);
    addItem("film.m4v", InMedia::kMovie);
    addItem("tune.mp3", InMedia::kMusic);
    playRow(0);
    EXPECT_EQ(app->whatIsTypeIsPlaying, 3);
    EXPECT_EQ(app->upTimeCount, 4);
    EXPECT_FALSE(app->mainMovieView->isHidden());
    EXPECT_EQ(app->inImageView->image(), nullptr);
    for (korvida::View* view : std::initializer_list<korvida::View*>{
             app->timeSlider.get(), app->timeLeft.get(), app->timePlayd.get(), app->timeSliderControllPanel.get(),
             app->timeLeftControllPanel.get(), app->timePlaydControllPanel.get()})
        EXPECT_TRUE(view->isHidden());

    playRow(2);
    EXPECT_EQ(app->whatIsTypeIsPlaying, 2);
    EXPECT_TRUE(app->mainMovieView->isHidden());
    EXPECT_NE(app->inImageView->image(), nullptr);
    EXPECT_FALSE(app->timeSliderControllPanel->isHidden());
    EXPECT_FALSE(app->timeLeft->isHidden());
    EXPECT_EQ(app->timeSlider->maxValue(), 600.0);
}

TEST_F(PlaybackTest, ATuneShowsItsIconAtOnceAndItsCoverWhenFound)
{
    addItem("tagged.mp3", InMedia::kMusic, true,
            id3bytes::file(3, id3bytes::apic23("image/jpeg", id3bytes::jpegBytes())));
    addItem("film.m4v", InMedia::kMovie);
    playRow(0);
    ASSERT_EQ(fakes.images.iconsAskedFor.back(), app->medias[0]->getPath());
    const auto icon = app->inImage;
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(app->inImageView->image(), icon);
    answerCover();
    EXPECT_NE(app->inImage, icon) << "the tag's picture replaces the icon";
    EXPECT_EQ(app->inImageView->image(), app->inImage);
    EXPECT_EQ(app->inImage->size(), icon->size()) << "sized for the picture area alike";
    EXPECT_TRUE(app->inImage->scalesWhenResized());

    // A cover that comes once a film plays is dropped.
    playRow(1);
    playRow(0);
    playRow(1);
    answerCover();
    EXPECT_EQ(app->inImage, nullptr);
    EXPECT_EQ(app->inImageView->image(), nullptr);
}

TEST_F(PlaybackTest, APhotoKeptAsThumbnailsIsDecodedOffTheMainThreadAndALateAnswerIsDropped)
{
    namespace dw = korvida::devicewriter;
    app->state.iPodPath = dir.path().string();
    const auto thumbs = std::make_shared<const std::string>((dir.path() / "F1024_1.ithmb").string());
    const dw::Bytes frame = dw::encodeFrame(dw::Bytes(16 * 12 * 3, 0x80), 16, 12, dw::Pixels::rgb565Little, false);
    dw::writeFile(*thumbs, frame);
    InMedia& photo = addItem("Photo 0001.png", InMedia::kPhoto, false);
    photo.setStoredPicture(StoredPicture{thumbs, 0, static_cast<std::uint32_t>(frame.size()), 16, 12, 0, 0, 16, 12});
    addItem("film.m4v", InMedia::kMovie);
    const std::size_t before = opened();

    // The answer comes once another item was loaded: it is dropped.
    playRow(0);
    EXPECT_EQ(opened(), before) << "nothing is decoded or opened on the main thread";
    while (fakes.mainThread.pending() == 0)
        std::this_thread::yield();
    playRow(1);
    const auto film = app->visibleMovie;
    fakes.mainThread.drain();
    EXPECT_EQ(app->visibleMovie, film);
    EXPECT_EQ(opened(), before + 1);

    // Waiting, an empty movie stands in; the picture's file is opened and started when ready.
    playRow(0);
    EXPECT_FALSE(app->visibleMovie->hasDuration());
    EXPECT_FALSE(app->visibleMovie->failed());
    EXPECT_EQ(app->mainMovieView->movie(), app->visibleMovie);
    answerCover();
    ASSERT_EQ(opened(), before + 2);
    const std::string png = fakes.movies.opened.back();
    EXPECT_EQ(png.substr(png.size() - 4), ".png");
    std::ifstream written(png, std::ios::binary);
    std::string magic(4, '\0');
    written.read(magic.data(), 4);
    EXPECT_EQ(magic, "\x89PNG");
    EXPECT_EQ(app->visibleMovie, fakes.movies.last);
    EXPECT_EQ(app->mainMovieView->movie(), app->visibleMovie);
    EXPECT_TRUE(movie().started);
}

TEST_F(PlaybackTest, APipeInPlaceOfATuneIsMarkedAndNeverOpened)
{
    addItem("here.mp3", InMedia::kMusic);
    InMedia& pipe = addItem("pipe.mp3", InMedia::kMusic, false);
    const std::string path = pipe.getPath();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Were the pipe opened for reading, this writer would let that open return.
    std::thread writer([&path] {
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd >= 0)
            ::close(fd);
    });
    playRow(0);
    const auto loaded = app->visibleMovie;
    const std::size_t before = opened();
    playRow(1);
    EXPECT_EQ(pipe.getCleanName(), "BROKEN !! pipe.mp3");
    EXPECT_EQ(app->visibleMovie, loaded);
    EXPECT_EQ(opened(), before);
    // Nothing else has opened the pipe: this does, and the writer ends.
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    writer.join();
    ::close(reader);
}

TEST_F(PlaybackTest, ALinkOutOfThePlayerIsNotPlayed)
{
    app->state.iPodPath = dir.path().string();
    TempDir outside;
    const auto own = outside.path() / "own.mp3";
    korvida::devicewriter::writeFile(own.string(), {'x'});
    InMedia& out = addItem("out.mp3", InMedia::kMusic, false);
    std::filesystem::create_symlink(own, out.getPath());
    addItem("here.mp3", InMedia::kMusic);
    InMedia& in = addItem("in.mp3", InMedia::kMusic, false);
    std::filesystem::create_symlink(dir.path() / "here.mp3", in.getPath());

    const std::size_t before = opened();
    playRow(0);
    EXPECT_EQ(out.getCleanName(), "BROKEN !! out.mp3");
    EXPECT_EQ(opened(), before);
    playRow(2);
    EXPECT_EQ(opened(), before + 1) << "a link inside the player plays";
    EXPECT_FALSE(in.getIsBroken());
}

TEST_F(PlaybackTest, MissingFileIsMarkedBrokenOnceAndTheLoadedMovieGoesOn)
{
    addItem("here.mp3", InMedia::kMusic);
    InMedia& gone = addItem("gone.mp3", InMedia::kMusic, false);
    playRow(0);
    const auto loaded = app->visibleMovie;
    for (int i = 0; i < 3; ++i)
        playRow(1);
    EXPECT_EQ(gone.getCleanName(), "BROKEN !! gone.mp3");
    EXPECT_EQ(app->visibleMovie, loaded);
    EXPECT_TRUE(app->playing);
    EXPECT_TRUE(movie().started);
}

TEST_F(PlaybackTest, PreviousAndNextWrapAndPlayOnlyWhilePlaying)
{
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
        addItem(name, InMedia::kMusic);
    app->nextButton(nullptr);
    EXPECT_EQ(selected(), 0) << "no selection: next goes to the first row";
    app->mediaTableView->deselectAll();
    app->backButton(nullptr);
    EXPECT_EQ(selected(), 2) << "no selection: previous goes to the last row";
    app->nextButton(nullptr);
    EXPECT_EQ(selected(), 0);
    app->backButton(nullptr);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(app->mediaTableViewFullScreen->selectedRow(), 2);
    EXPECT_EQ(app->lastPlaydMedia, nullptr) << "paused: only the selection moves";

    playRow(2);
    movie().playRate = 6.0f;
    app->setFatsForvardOn(true, false);
    app->nextButton(nullptr);
    EXPECT_EQ(app->lastPlaydMedia, app->medias[0]);
    EXPECT_EQ(movie().playRate, 1.0f);
    EXPECT_EQ(app->fastForward->state(), 0);
    EXPECT_EQ(app->fastForwardControllPanel->state(), 0);
}

TEST_F(PlaybackTest, PreviousAndNextOnShortLists)
{
    const std::size_t before = opened();
    app->nextButton(nullptr);
    app->backButton(nullptr);
    EXPECT_EQ(selected(), -1) << "an empty list has no row to select";
    EXPECT_EQ(opened(), before);

    addItem("only.mp3", InMedia::kMusic);
    playRow(0);
    app->nextButton(nullptr);
    EXPECT_EQ(selected(), 0);
    app->backButton(nullptr);
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(opened(), before + 1) << "the one row goes on playing";
}

TEST_F(PlaybackTest, FastModesKeepBothCopiesInStep)
{
    addItem("a.mp3", InMedia::kMusic);
    playRow(0);
    app->fastBack->performClick();
    EXPECT_EQ(movie().playRate, -6.0f);
    EXPECT_EQ(app->fastBackControllPanel->state(), 1);
    EXPECT_EQ(app->fastBackControllPanel->image(), app->fastBButtonImageControllPanelDown);
    app->fastForwardControllPanel->performClick();
    EXPECT_EQ(movie().playRate, 6.0f);
    EXPECT_EQ(app->fastForward->state(), 1);
    EXPECT_EQ(app->fastBack->state(), 0);
    EXPECT_EQ(app->fastBack->image(), app->fastBButtonImageControllPanel);
    app->fastForward->performClick();
    EXPECT_EQ(movie().playRate, 1.0f);
    EXPECT_EQ(app->fastForwardControllPanel->state(), 0);
}

TEST_F(PlaybackTest, SeekTruncatesAndTheTimeLabelsFollow)
{
    addItem("a.mp3", InMedia::kMusic);
    playRow(0);
    movie().timeScale = 10;
    movie().duration = 4000;
    app->timeSliderControllPanel->setDoubleValue(1234.9);
    app->timeSliderControllPanel->sendAction();
    EXPECT_EQ(movie().time, 1234);
    EXPECT_EQ(app->timePlayd->stringValue(), "00:02:03");
    EXPECT_EQ(app->timeLeft->stringValue(), "-00:04:36");
    EXPECT_EQ(app->timeLeftControllPanel->stringValue(), "-00:04:36");

    movie().time = 1500;
    fakes.timers.fire();
    EXPECT_EQ(app->timePlaydControllPanel->stringValue(), "00:02:30");
    EXPECT_EQ(app->timeSlider->doubleValue(), 1500.0);
    EXPECT_EQ(app->timeSliderControllPanel->doubleValue(), 1500.0);
}

TEST_F(PlaybackTest, TheTickMovesOnAtTheEnd)
{
    addItem("photo.jpg", InMedia::kPhoto);
    addItem("tune.mp3", InMedia::kMusic);
    addItem("next.mp3", InMedia::kMusic);
    playRow(0);
    movie().duration = 0;
    for (int tick = 1; tick <= 3; ++tick) {
        fakes.timers.fire();
        EXPECT_EQ(selected(), 0) << "a picture stays, tick " << tick;
    }
    fakes.timers.fire();
    EXPECT_EQ(selected(), 1) << "and moves on at the fourth tick";
    EXPECT_EQ(app->lastPlaydMedia, app->medias[1]);

    movie().time = movie().duration;
    app->playButton(nullptr);
    fakes.timers.fire();
    EXPECT_EQ(selected(), 1) << "nothing advances while paused";
    app->playButton(nullptr);
    fakes.timers.fire();
    EXPECT_EQ(selected(), 2) << "a tune moves on at the first tick at its end";
}

TEST_F(PlaybackTest, ATickWhileTheMovieOpensChangesNothing)
{
    addItem("a.mp3", InMedia::kMusic);
    addItem("b.mp3", InMedia::kMusic);
    playRow(0);
    FakeMovie& opening = movie();
    opening.durationKnown = false;
    opening.duration = 0;
    app->timeSlider->setMaxValue(0.0);
    app->timePlayd->setStringValue("before");
    const std::size_t before = opened();
    for (int tick = 0; tick < 3; ++tick)
        fakes.timers.fire();
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(opened(), before);
    EXPECT_EQ(app->upTimeCounter, 1);
    EXPECT_EQ(app->timePlayd->stringValue(), "before");

    opening.durationKnown = true;
    opening.duration = 9000;
    opening.report();
    EXPECT_EQ(app->timeSlider->maxValue(), 9000.0);
    EXPECT_EQ(app->timeSliderControllPanel->maxValue(), 9000.0);
}

TEST_F(PlaybackTest, AFileThatCannotBeDecodedIsMarkedAndLeft)
{
    InMedia& bad = addItem("bad.mp3", InMedia::kMusic);
    addItem("good.mp3", InMedia::kMusic);
    fakes.movies.unopenable.push_back(bad.getPath());
    playRow(0);
    fakes.timers.fire();
    EXPECT_EQ(bad.getCleanName(), "BROKEN !! bad.mp3");
    EXPECT_EQ(app->lastPlaydMedia, app->medias[1]);

    // One that opens and then fails while playing is left the same way, marked once.
    fakes.movies.unopenable.clear();
    playRow(0);
    movie().decodeFailed = true;
    fakes.timers.fire();
    EXPECT_EQ(bad.getCleanName(), "BROKEN !! bad.mp3");
    EXPECT_EQ(selected(), 1);
}

TEST_F(PlaybackTest, AnItemEndingEarlyIsOpenedOnceMoreThenBrokenAndAListOfFailuresStops)
{
    InMedia& first = addItem("a.mp3", InMedia::kMusic);
    InMedia& second = addItem("b.mp3", InMedia::kMusic);
    playRow(0);
    const std::size_t before = opened();
    movie().earlyEnd = true;
    fakes.timers.fire();
    EXPECT_EQ(opened(), before + 1) << "opened once more";
    EXPECT_EQ(app->lastPlaydMedia, &first);
    EXPECT_TRUE(movie().started);
    EXPECT_FALSE(first.getIsBroken());

    movie().earlyEnd = true;
    fakes.timers.fire();
    EXPECT_EQ(first.getCleanName(), "BROKEN !! a.mp3");
    EXPECT_EQ(app->lastPlaydMedia, &second);
    movie().decodeFailed = true;
    fakes.timers.fire();
    EXPECT_TRUE(second.getIsBroken());

    // Every item of the list failed: it stops rather than going round again.
    EXPECT_FALSE(app->playing);
    EXPECT_EQ(app->play->image(), app->palyButtonImageControllPanel);
    const std::size_t stopped = opened();
    fakes.timers.fire();
    fakes.timers.fire();
    EXPECT_EQ(opened(), stopped);
}

TEST_F(PlaybackTest, TheStartUpSoundIsOutOfTheControlsReachAndLetGoOfWhenItEnds)
{
    const std::shared_ptr<FakeMovie> sound = fakes.movies.last;
    ASSERT_EQ(app->startupSound, sound);
    InMedia& missing = addItem("gone.mp3", InMedia::kMusic, false);
    app->fastForward->performClick();
    app->fastBack->performClick();
    playRow(0);
    EXPECT_TRUE(missing.getIsBroken());
    EXPECT_EQ(sound->playRate, 1.0f) << "never fast, never started again";
    EXPECT_FALSE(app->playing) << "nothing is loaded that could play";
    EXPECT_EQ(app->play->image(), app->palyButtonImageControllPanel);

    sound->time = sound->duration;
    fakes.timers.fire();
    EXPECT_EQ(app->startupSound, nullptr);
}

TEST_F(PlaybackTest, LayoutFollowsTheWindowOutsideFullScreen)
{
    addItem("film.m4v", InMedia::kMovie);
    playRow(0);
    app->mainWindow->setFrame(makeRect(0, 0, 1000, 700));
    // The browser side as the window shows it: 531 wide, so the picture starts at 541.
    app->shownBrowserWidth = 531.0f;
    app->windowDidResize();
    // dragX 550, area width 436, centre 768; the play button is 60 wide.
    EXPECT_EQ(app->dragX, 550.0f);
    EXPECT_EQ(app->play->frame().origin, (korvida::Point{738, 0}));
    EXPECT_EQ(app->next->frame().origin, (korvida::Point{845, 0}));
    const korvida::Rect film = app->mainMovieView->frame();
    EXPECT_FLOAT_EQ(film.origin.x + film.size.width / 2.0f, 768.0f);
    EXPECT_FLOAT_EQ(film.size.width, 436.0f);

    app->fullScreen = true;
    app->mainWindow->setFrame(makeRect(0, 0, 1400, 900));
    app->windowDidResize();
    EXPECT_EQ(app->play->frame().origin, (korvida::Point{738, 0}));
}

TEST_F(PlaybackTest, DoubleClickPlays)
{
    addItem("a.mp3", InMedia::kMusic);
    app->mediaTableViewFullScreen->selectRow(0, false);
    app->mediaTableView->selectRow(0, false);
    app->mediaTableViewFullScreen->performDoubleClick();
    EXPECT_EQ(app->lastPlaydMedia, app->medias[0]);
    EXPECT_TRUE(app->playing);
}

TEST_F(PlaybackTest, FullScreenBranchesUseTheScreen)
{
    addItem("film.m4v", InMedia::kMovie);
    addItem("tune.m4a", InMedia::kMusic);
    app->fullScreen = true;
    app->controllPannelHidden = false;
    playRow(0);
    // Screen 1440 x 900; panels shown: the space (205, 130, 1030, 490), a 640 x 480 film in it.
    EXPECT_EQ(app->fullScreenMovieView->movie(), app->visibleMovie);
    EXPECT_EQ(app->fullScreenMovieView->frame(),
              korvida::getScreenRess(korvida::Size{640, 480}, makeRect(205, 130, 1030, 490)));
    EXPECT_TRUE(movie().started);

    app->controllPanelFullScreen->orderFront();
    playRow(1);
    EXPECT_TRUE(app->fullScreenMovieView->isHidden());
    EXPECT_EQ(app->inImageViewFullScreen->image(), app->inImage);
    EXPECT_FLOAT_EQ(app->inImage->size().width, 1440.0f / 3.5f);
}

TEST_F(PlaybackTest, TheDevicePictureIsSizedForThePictureArea)
{
    app->state.iPodPath = writePlayer("NANO", {"a"});
    app->state.iPodDropped = true;
    fakes.timers.fire();
    ASSERT_NE(app->inImage, nullptr);
    // The window is 1120 wide: the area is 556 wide, and the square icon stays square.
    EXPECT_EQ(app->inImage->size(), (korvida::Size{556, 556}));
}
