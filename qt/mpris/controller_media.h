#pragma once

#include <QString>

#include <functional>

#include "app/main_app.h"
#include "qt/mpris/media_controls.h"

namespace korvida::qt {

// Writes the picture of the playing tune to a file the desktop can show by its URL, once
// per item; the file of the item before is removed.
class CoverFiles {
public:
    explicit CoverFiles(QString folder) : folder(std::move(folder)) {}
    // The URL of the picture kept for `key`; empty when there is no picture or it cannot be
    // written.
    QString urlFor(const QString& key, const Image* picture);

private:
    QString folder;
    QString lastKey;
    QString lastUrl;
    QString lastPath;
};

// The desktop's media controls, each request sent to the controller's operation for it:
// play to `playButton` on the chosen row (the first when none is), pause to
// `pausePlayback`, next and previous to `nextButton` and `backButton`, a position to the time
// slider's `timeSliderSlider`, quit to `quit`.
MediaControls mediaControlsOf(MainApp& app, std::function<void()> raise, CoverFiles& covers);

} // namespace korvida::qt
