#pragma once

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include "desktop_fixture.h"
#include "tools/device_writer/device_writer.h"

namespace dw = korvida::devicewriter;

// The window opened on a player with two genres, three artists and a playlist; rows are
// clicked in the real table widgets.
class BrowserWindowTest : public DesktopFixture {
protected:
    BrowserWindowTest()
    {
        dw::Device device;
        device.tracks = {
            dw::Track{"Harbour Bells", "Fjord Brass", "Tides", "Folk", ":iPod_Control:Music:F00:AAAA.mp3", 101, 1,
                      "MPEG audio file"},
            dw::Track{"Low Tide", "Fjord Brass", "Tides", "Folk", ":iPod_Control:Music:F00:AAAB.mp3", 102, 2,
                      "MPEG audio file"},
            dw::Track{"Snowfall", "Aurora Quartet", "Winter", "Ambient", ":iPod_Control:Music:F01:BBBB.mp3", 103, 1,
                      "MPEG audio file"},
            dw::Track{"Ice Road", "Birch", "Roads", "Folk", ":iPod_Control:Music:F01:BBBC.mp3", 104, 1,
                      "MPEG audio file"},
        };
        device.playlists = {dw::Playlist{"Road trip", {104, 101}}};
        const auto root = folder.path() / "NANO";
        EXPECT_TRUE(dw::writeDevice(root, device));
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        app().doChecks();
    }

    MainApp& app() { return desktop->controller(); }
    QTableView* table(const char* outlet) const { return widget<QTableView>(outlet); }

    static QString cell(QTableView* view, int row, int column = 0)
    {
        return view->model()->index(row, column).data().toString();
    }

    // A click on the row's first text cell, as the user makes it.
    static void clickRow(QTableView* view, int row, int column = 0)
    {
        const QRect rect = view->visualRect(view->model()->index(row, column));
        ASSERT_TRUE(rect.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    static int selectedRow(QTableView* view)
    {
        const auto rows = view->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
};
