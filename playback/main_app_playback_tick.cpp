#include "app/main_app.h"

#include "playback/broken_name.h"

void MainApp::showPlayingTime()
{
    if (playing && visibleMovie)
        showMovieTime();
}

void MainApp::showMovieTime()
{
    displayTime();
    const double time = visibleMovie->getMovieTime();
    timeSlider->setDoubleValue(time);
    timeSliderControllPanel->setDoubleValue(time);
}

namespace {

// The list moves on to its next item by itself, unless each of its items has failed in a row.
void moveOnInList(MainApp& app)
{
    if (app.failuresInARow > 0 && app.failuresInARow >= app.medias.size()) {
        app.failuresInARow = 0;
        app.pausePlayback();
        return;
    }
    app.listMovesOn = true;
    app.nextButton(nullptr);
    app.listMovesOn = false;
}

// The item that plays could not be played: it is marked, and the list moves on, unless every
// item of it has failed in a row, when the list stops.
void leaveFailedItem(MainApp& app)
{
    if (app.lastPlaydMedia != nullptr)
        korvida::markBrokenName(*app.lastPlaydMedia);
    ++app.failuresInARow;
    app.upTimeCounter = 1;
    moveOnInList(app);
}

} // namespace

void MainApp::moveOnAtEnd()
{
    // The start-up sound is let go of once it has sounded.
    if (startupSound && (startupSound->atEnd() || startupSound->endedEarly() || startupSound->failed()))
        endStartupSound();
    // The player's folder has gone: nothing of it can play on.
    if (playing && playerWatch.playerGone()) {
        pausePlayback();
        return;
    }
    if (!visibleMovie || !playing)
        return;
    // A file that cannot be played is marked and left at once, as a missing one is marked.
    if (visibleMovie->failed()) {
        leaveFailedItem(*this);
        return;
    }
    // An item that stops long before its end may have met a passing fault: it is opened once
    // more; stopping early again, it is broken.
    if (visibleMovie->endedEarly() && lastPlaydMedia != nullptr) {
        if (reopenedAfterEarlyEnd)
            leaveFailedItem(*this);
        else
            reopenLoadedItem();
        return;
    }
    // Until the duration is known the movie is not at its end.
    if (!visibleMovie->hasDuration() || !visibleMovie->atEnd())
        return;
    const bool stayedLongEnough = upTimeCounter >= upTimeCount;
    ++upTimeCounter;
    if (!stayedLongEnough)
        return;
    upTimeCounter = 1;
    // The item the list is on played to its end; a missing one chosen since has failed.
    const int row = mediaTableView->selectedRow();
    if (row >= 0 && row < static_cast<int>(medias.size()) && medias[row] == lastPlaydMedia)
        failuresInARow = 0;
    moveOnInList(*this);
}

void MainApp::connectPlayback()
{
    using korvida::Button;
    for (Button* button : {play.get(), playButtonControllPanel.get()})
        button->setAction([this](Button& sender) { playButton(&sender); });
    for (Button* button : {fastForward.get(), fastForwardControllPanel.get()})
        button->setAction([this](Button& sender) { fastForvardButton(&sender); });
    for (Button* button : {fastBack.get(), fastBackControllPanel.get()})
        button->setAction([this](Button& sender) { fastBackButton(&sender); });
    for (Button* button : {back.get(), backButtonControllPanel.get()})
        button->setAction([this](Button& sender) { backButton(&sender); });
    for (Button* button : {next.get(), nextButtonControllPanel.get()})
        button->setAction([this](Button& sender) { nextButton(&sender); });
    for (korvida::Slider* slider : {timeSlider.get(), timeSliderControllPanel.get()})
        slider->setAction([this](korvida::Slider& sender) { timeSliderSlider(&sender); });
    for (korvida::TableView* table : {mediaTableView.get(), mediaTableViewFullScreen.get()})
        table->setDoubleAction([this](korvida::TableView&) { playButton(nullptr); });
}
