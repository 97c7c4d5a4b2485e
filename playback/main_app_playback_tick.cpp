#include "app/main_app.h"

#include "playback/broken_name.h"

void MainApp::showPlayingTime()
{
    if (!playing || !visibleMovie)
        return;
    displayTime();
    const double time = visibleMovie->getMovieTime();
    timeSlider->setDoubleValue(time);
    timeSliderControllPanel->setDoubleValue(time);
}

void MainApp::moveOnAtEnd()
{
    if (!visibleMovie || !playing)
        return;
    // A file that cannot be played is marked and left at once, as a missing one is marked.
    if (visibleMovie->failed()) {
        if (lastPlaydMedia != nullptr)
            korvida::markBrokenName(*lastPlaydMedia);
        upTimeCounter = 1;
        nextButton(nullptr);
        return;
    }
    // Until the duration is known the movie is not at its end.
    if (!visibleMovie->hasDuration() || visibleMovie->getMovieTime() < visibleMovie->getMovieDuration())
        return;
    const bool stayedLongEnough = upTimeCounter >= upTimeCount;
    ++upTimeCounter;
    if (stayedLongEnough) {
        upTimeCounter = 1;
        nextButton(nullptr);
    }
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
