#include "app/main_app.h"

#include <cmath>
#include <limits>

#include "playback/time_text.h"

namespace {

// Runs the fast mode of a toggle: `fastRate` while the toggle is on, normal speed when off.
// The loaded item runs either way, so the play buttons say so; with nothing loaded nothing
// runs.
void runFast(MainApp& app, const korvida::Button* sender, float fastRate, bool forward)
{
    const bool on = sender != nullptr && sender->state() == 1;
    app.setFatsForvardOn(on && forward, on && !forward);
    if (!app.visibleMovie)
        return;
    app.mainMovieView->start();
    app.fullScreenMovieView->start();
    app.mainMovieView->setRate(on ? fastRate : 1.0f);
    app.fullScreenMovieView->setRate(on ? fastRate : 1.0f);
    app.playing = true;
    app.play->setImage(app.pauseButtonImageControllPanel);
    app.playButtonControllPanel->setImage(app.pauseButtonImageControllPanel);
}

// Selects `row` in both media tables and plays it when something plays.
void moveTo(MainApp& app, int row)
{
    for (korvida::TableView* table : {app.mediaTableView.get(), app.mediaTableViewFullScreen.get()}) {
        table->selectRow(row, false);
        table->scrollRowToVisible(row);
    }
    if (app.playing) {
        // A list of one comes round to the item that has just ended: it plays from its start.
        if (app.medias[row] == app.lastPlaydMedia && app.visibleMovie && app.visibleMovie->atEnd())
            app.visibleMovie->setMovieTimeValue(0);
        app.playing = false;
        app.playButton(nullptr);
    }
}

} // namespace

void MainApp::fastForvardButton(korvida::Button* sender)
{
    runFast(*this, sender, 6.0f, true);
}

void MainApp::fastBackButton(korvida::Button* sender)
{
    runFast(*this, sender, -6.0f, false);
}

void MainApp::setFatsForvardOn(bool isForvard, bool isBack)
{
    for (korvida::Button* button : {fastForward.get(), fastForwardControllPanel.get()}) {
        button->setState(isForvard ? 1 : 0);
        button->setImage(isForvard ? fastFButtonImageControllPanelDown : fastFButtonImageControllPanel);
    }
    for (korvida::Button* button : {fastBack.get(), fastBackControllPanel.get()}) {
        button->setState(isBack ? 1 : 0);
        button->setImage(isBack ? fastBButtonImageControllPanelDown : fastBButtonImageControllPanel);
    }
}

void MainApp::backButton(korvida::Button* /*sender*/)
{
    const int row = mediaTableView->selectedRow();
    setFatsForvardOn(false, false);
    // An empty list has no row to go to.
    if (medias.empty())
        return;
    moveTo(*this, row > 0 ? row - 1 : static_cast<int>(medias.size()) - 1);
}

void MainApp::nextButton(korvida::Button* /*sender*/)
{
    const int row = mediaTableView->selectedRow();
    setFatsForvardOn(false, false);
    if (medias.empty())
        return;
    const int count = static_cast<int>(medias.size());
    moveTo(*this, row >= 0 && row <= count - 2 ? row + 1 : 0);
}

void MainApp::timeSliderSlider(korvida::Slider* sender)
{
    if (sender == nullptr || !visibleMovie)
        return;
    constexpr double largest = std::numeric_limits<std::int32_t>::max();
    const double value = sender->doubleValue();
    const double time = std::isfinite(value) ? std::trunc(std::clamp(value, 0.0, largest)) : 0.0;
    visibleMovie->setMovieTimeValue(static_cast<std::int32_t>(time));
    displayTime();
}

void MainApp::displayTime()
{
    if (!visibleMovie || !visibleMovie->hasDuration() || visibleMovie->getMovieDuration() == 0)
        return;
    const std::string played = korvida::timeDisplay(2, *visibleMovie);
    const std::string left = "-" + korvida::timeDisplay(1, *visibleMovie);
    timePlayd->setStringValue(played);
    timeLeft->setStringValue(left);
    timePlaydControllPanel->setStringValue(played);
    timeLeftControllPanel->setStringValue(left);
}

void MainApp::clearTimeDisplay()
{
    for (korvida::Slider* slider : {timeSlider.get(), timeSliderControllPanel.get()}) {
        slider->setMinValue(0.0);
        slider->setDoubleValue(0.0);
        slider->setMaxValue(0.0);
    }
    for (korvida::TextField* label :
         {timePlayd.get(), timeLeft.get(), timePlaydControllPanel.get(), timeLeftControllPanel.get()})
        label->setStringValue("");
}
