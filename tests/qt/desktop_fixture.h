#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "qt/desktop_app.h"
#include "support/temp_dir.h"

// The whole desktop program, with its preferences, resource copies and mount table (the file
// "mountinfo", missing until a test writes it) in a temporary folder.
class DesktopFixture : public ::testing::Test {
protected:
    DesktopFixture();
    ~DesktopFixture() override;

    // A new program on the same preferences file, as at the next launch.
    void restart();

    QString settingsFile() const;

    // The widget of the program named after its outlet, in any of its windows.
    template <typename W = QWidget>
    W* widget(const char* outlet) const
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String(outlet))
                return qobject_cast<W*>(top);
            if (W* found = top->findChild<W*>(QString::fromLatin1(outlet)))
                return found;
        }
        return nullptr;
    }

    // Writes a player folder with two tunes under the given name and answers its path.
    QString writePlayer(const char* name) const;
    // Writes a player folder holding a film (row 0) and a tune (row 1) of the demo media,
    // both in the playlist "Mix" when `inAPlaylist`.
    QString writePlayerWithMedia(const char* name, bool inAPlaylist = false) const;

    TempDir folder;
    std::unique_ptr<korvida::qt::DesktopApp> desktop;
};
