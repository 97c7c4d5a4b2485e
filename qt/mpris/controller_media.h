#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>

#include "app/main_app.h"
#include "qt/mpris/media_controls.h"

namespace korvida::qt {

// Writes the picture of the playing tune to a file the desktop can show by its URL. The
// picture is scaled down to at most `kLargestSide` pixels and written on a thread of its own,
// so that neither the scaling nor the writing holds up the window. Its file is named after
// the item's position on the player and the picture's number in this run. The folder keeps
// one picture: the one before is removed when the next is asked for, and every picture is
// removed when the program starts and ends.
class CoverFiles {
public:
    static constexpr int kLargestSide = 512;

    explicit CoverFiles(QString folder);
    // Waits for a picture being written, then removes the pictures.
    ~CoverFiles();
    CoverFiles(const CoverFiles&) = delete;
    CoverFiles& operator=(const CoverFiles&) = delete;

    // The URL of the picture of the item at `position`; empty while it is being written,
    // when there is none, or when it cannot be written.
    QString urlFor(std::size_t position, const Image* picture);

private:
    void removeCovers() const;

    QString folder;
    std::size_t lastPosition = 0;
    std::shared_ptr<const void> lastPicture;
    int written = 0;
    QString lastUrl;
    QString lastPath;
    QThreadPool writer;
    // Receives, on the main thread, the news that a picture has been written.
    QObject receiver;
};

// The desktop's media controls, each request sent to the controller's operation for it:
// play to `playButton` on the chosen row (the first when none is), pause to
// `pausePlayback`, next and previous to `nextButton` and `backButton`, a position to the time
// slider's `timeSliderSlider`, quit to `quit`.
MediaControls mediaControlsOf(MainApp& app, std::function<void()> raise, CoverFiles& covers);

} // namespace korvida::qt
