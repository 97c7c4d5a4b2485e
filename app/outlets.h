#pragma once

#include <string_view>

#include "app/main_app.h"

// Every control of the interface that a widget shows, each with the one name its widget
// carries. The interface builder names its widgets from here, the binding is checked against
// it, and the tests walk it, so that a control added here is covered everywhere at once.
//
// `visit(name, control)` is called once for each, with the control's own type, by area of the
// interface. `App` is `MainApp` or `const MainApp`.
template <typename App, typename Visit>
void forEachOutlet(App& app, Visit&& visit)
{
    // The main window and its media area.
    visit("mainWindow", *app.mainWindow);
    visit("inImageView", *app.inImageView);
    visit("mainMovieView", *app.mainMovieView);
    visit("play", *app.play);
    visit("back", *app.back);
    visit("next", *app.next);
    visit("fastForward", *app.fastForward);
    visit("fastBack", *app.fastBack);
    visit("fullScreenB", *app.fullScreenB);
    visit("windowB", *app.windowB);
    visit("timeSlider", *app.timeSlider);
    visit("timePlayd", *app.timePlayd);
    visit("timeLeft", *app.timeLeft);

    // The browser side.
    visit("corentlyPlaing", *app.corentlyPlaing);
    visit("numberOfMedias", *app.numberOfMedias);
    visit("searchField", *app.searchField);
    visit("allFilterButton", *app.allFilterButton);
    visit("musicFilterButton", *app.musicFilterButton);
    visit("movieFilterButton", *app.movieFilterButton);
    visit("pictureFilterButton", *app.pictureFilterButton);
    visit("genereTableView", *app.genereTableView);
    visit("artistTableView", *app.artistTableView);
    visit("albumTableView", *app.albumTableView);
    visit("mediaTableView", *app.mediaTableView);
    visit("playListsTableView", *app.playListsTableView);
    visit("tagButton", *app.tagButton);
    visit("untagButton", *app.untagButton);
    visit("selectAllButton", *app.selectAllButton);
    visit("mediaTaged", *app.mediaTaged);
    visit("copy", *app.copy);
    visit("copyingProgressIndicator", *app.copyingProgressIndicator);
    visit("copyingTextField", *app.copyingTextField);
    visit("canselCopying", *app.canselCopying);
    visit("canselAllCopying", *app.canselAllCopying);

    // The preferences sheet.
    visit("preferencesPanel", *app.preferencesPanel);
    visit("fadingWindowsTagg", *app.fadingWindowsTagg);
    visit("trackNumberTagg", *app.trackNumberTagg);
    visit("diskImportTagg", *app.diskImportTagg);
    visit("iTunes_iPhotoImportTagg", *app.iTunes_iPhotoImportTagg);
    visit("writeStatisticsTagg", *app.writeStatisticsTagg);
    visit("closePreferences", *app.closePreferences);

    // The import sheet.
    visit("whereToImportPanel", *app.whereToImportPanel);
    visit("makeItunesImport", *app.makeItunesImport);
    visit("makeIPhotoImport", *app.makeIPhotoImport);
    visit("iTunesPlayListsTableView", *app.iTunesPlayListsTableView);
    visit("cancelImportButton", *app.cancelImportButton);
    visit("doImportButton", *app.doImportButton);

    // Full screen: the presentation, its content and the windows that hold the panels.
    visit("mainfullScreenPanel", *app.mainfullScreenPanel);
    visit("inImageViewFullScreen", *app.inImageViewFullScreen);
    visit("fullScreenMovieView", *app.fullScreenMovieView);
    visit("fullScreenPanel", *app.fullScreenPanel);
    visit("backfullScreenPanel", *app.backfullScreenPanel);
    visit("controllPanelFullScreen", *app.controllPanelFullScreen);
    visit("playlistsControllPanelFullScreen", *app.playlistsControllPanelFullScreen);
    visit("namesControllPanelFullScreen", *app.namesControllPanelFullScreen);
    visit("selectControllPanelFullScreen", *app.selectControllPanelFullScreen);

    // The full-screen control panels.
    visit("controllPanel", *app.controllPanel);
    visit("backButtonControllPanel", *app.backButtonControllPanel);
    visit("fastBackControllPanel", *app.fastBackControllPanel);
    visit("playButtonControllPanel", *app.playButtonControllPanel);
    visit("fastForwardControllPanel", *app.fastForwardControllPanel);
    visit("nextButtonControllPanel", *app.nextButtonControllPanel);
    visit("hidePanelsButton", *app.hidePanelsButton);
    visit("leaveFullScreenButton", *app.leaveFullScreenButton);
    visit("timePlaydControllPanel", *app.timePlaydControllPanel);
    visit("timeSliderControllPanel", *app.timeSliderControllPanel);
    visit("timeLeftControllPanel", *app.timeLeftControllPanel);
    visit("playlistsControllPanel", *app.playlistsControllPanel);
    visit("playListTableViewFullScreen", *app.playListTableViewFullScreen);
    visit("namesControllPanel", *app.namesControllPanel);
    visit("mediaTableViewFullScreen", *app.mediaTableViewFullScreen);
    visit("selectControllPanel", *app.selectControllPanel);
    visit("genereTableViewFullScreen", *app.genereTableViewFullScreen);
    visit("artistTableViewFullScreen", *app.artistTableViewFullScreen);
    visit("albumTableViewFullScreen", *app.albumTableViewFullScreen);
}

// The name of a control's widget, or an empty view for a control that is not an outlet.
std::string_view outletName(const MainApp& app, const korvida::Control& control);
