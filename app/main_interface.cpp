// The interface as an interface file would describe it: every window and control of the
// controller with its kind, columns, tags and starting frame. The desktop binding mirrors
// these objects into widgets; tests use them as they are.
#include "app/main_app.h"
#include "browser/statistic_columns.h"

using korvida::Button;
using korvida::ButtonKind;
using korvida::CellKind;
using korvida::makeRect;
using korvida::Panel;
using korvida::TableColumn;
using korvida::TableView;
using korvida::TextField;
using korvida::Window;

namespace {

std::unique_ptr<Button> makeButton(ButtonKind kind, const std::string& title, korvida::Rect frame)
{
    auto button = std::make_unique<Button>(kind);
    button->setTitle(title);
    button->setFrame(frame);
    return button;
}

std::unique_ptr<TextField> makeField(korvida::Rect frame, bool editable = false)
{
    auto field = std::make_unique<TextField>();
    field->setEditable(editable);
    field->setFrame(frame);
    return field;
}

std::unique_ptr<Panel> makePanel(const std::string& title, korvida::Rect frame)
{
    auto panel = std::make_unique<Panel>();
    panel->setTitle(title);
    panel->setFrame(frame);
    return panel;
}

TableColumn& addColumn(TableView& table, const std::string& identifier, const std::string& title,
                       CellKind kind = CellKind::Text, bool editable = false)
{
    return table.addTableColumn(std::make_unique<TableColumn>(identifier, title, kind, editable));
}

// A media table: the tag box, then name, artist, album and genre, then the tunes'
// statistics, hidden until the user shows them from the header's menu. Several rows can be
// selected, so that the tag buttons act on all of them.
std::unique_ptr<TableView> makeMediaTable(TableColumn** artist = nullptr, TableColumn** album = nullptr)
{
    auto table = std::make_unique<TableView>();
    table->setAllowsMultipleSelection(true);
    addColumn(*table, "taged", "", CellKind::CheckBox, true);
    addColumn(*table, "name", "Name");
    TableColumn& artistAdded = addColumn(*table, "artist", "Artist");
    TableColumn& albumAdded = addColumn(*table, "album", "Album");
    if (artist != nullptr)
        *artist = &artistAdded;
    if (album != nullptr)
        *album = &albumAdded;
    addColumn(*table, "genere", "Genre");
    for (const korvida::StatisticColumn& statistic : korvida::kStatisticColumns) {
        TableColumn& column = addColumn(*table, statistic.identifier, statistic.title);
        column.setHidden(true);
        column.setUserHideable(true);
    }
    return table;
}

std::unique_ptr<TableView> makeOneColumnTable(const std::string& identifier, const std::string& title,
                                              TableColumn** column = nullptr)
{
    auto table = std::make_unique<TableView>();
    TableColumn& added = addColumn(*table, identifier, title);
    if (column != nullptr)
        *column = &added;
    return table;
}

} // namespace

void MainApp::buildInterface()
{
    buildMainWindow();
    buildSheets();
    buildFullScreen();
}

void MainApp::buildMainWindow()
{
    // Main window. The picture view's corner anchors the media area to its right.
    mainWindow = std::make_unique<Window>();
    mainWindow->setTitle("Korvida");
    mainWindow->setFrame(makeRect(80, 80, 1120, 720));

    playListsTableView = makeOneColumnTable("listName", "Playlists");
    playListsTableView->setFrame(makeRect(10, 60, 170, 640));
    genereTableView = makeOneColumnTable("genere", "Genre");
    genereTableView->setFrame(makeRect(190, 480, 110, 220));
    artistTableView = makeOneColumnTable("artist", "Artist", &artistColumn);
    artistTableView->setFrame(makeRect(305, 480, 115, 220));
    albumTableView = makeOneColumnTable("album", "Album", &albumColumn);
    albumTableView->setFrame(makeRect(425, 480, 115, 220));
    mediaTableView = makeMediaTable(&artistColumnMedia, &albumColumnMedia);
    mediaTableView->setFrame(makeRect(190, 60, 350, 410));

    inImageView = std::make_unique<InImageView>(state, [this] { readDropSoon(); });
    inImageView->setFrame(makeRect(541, 105, 565, 560));
    mainMovieView = std::make_unique<InMovieView>(state, [this] { readDropSoon(); });
    mainMovieView->setFrame(makeRect(550, 105, 556, 560));

    play = makeButton(ButtonKind::Push, "", makeRect(790, 0, 60, 60));
    back = makeButton(ButtonKind::Push, "", makeRect(680, 5, 50, 50));
    next = makeButton(ButtonKind::Push, "", makeRect(910, 5, 50, 50));
    fastBack = makeButton(ButtonKind::Toggle, "", makeRect(730, 2, 55, 55));
    fastForward = makeButton(ButtonKind::Toggle, "", makeRect(855, 2, 55, 55));
    fullScreenB = makeButton(ButtonKind::Push, "", makeRect(1000, 5, 50, 50));
    windowB = makeButton(ButtonKind::Push, "", makeRect(1055, 5, 50, 50));
    copy = makeButton(ButtonKind::Push, "Copy", makeRect(10, 10, 80, 24));
    canselCopying = makeButton(ButtonKind::Push, "Cancel", makeRect(300, 35, 60, 20));
    canselAllCopying = makeButton(ButtonKind::Push, "Cancel All", makeRect(365, 35, 80, 20));

    timeSlider = std::make_unique<korvida::Slider>();
    timeSlider->setFrame(makeRect(600, 670, 420, 20));
    timePlayd = makeField(makeRect(550, 670, 45, 17));
    timeLeft = makeField(makeRect(1025, 670, 60, 17));
    corentlyPlaing = makeField(makeRect(550, 695, 540, 17));
    numberOfMedias = makeField(makeRect(190, 40, 150, 17));
    mediaTaged = makeField(makeRect(190, 20, 350, 17));
    copyingTextField = makeField(makeRect(450, 35, 90, 17));
    searchField = makeField(makeRect(10, 705, 170, 22), true);
    copyingProgressIndicator = std::make_unique<korvida::ProgressIndicator>();
    copyingProgressIndicator->setFrame(makeRect(100, 12, 190, 20));

    movieFilterButton = makeButton(ButtonKind::Push, "Movies", makeRect(190, 705, 80, 22));
    musicFilterButton = makeButton(ButtonKind::Push, "Music", makeRect(275, 705, 80, 22));
    pictureFilterButton = makeButton(ButtonKind::Push, "Pictures", makeRect(360, 705, 80, 22));
    allFilterButton = makeButton(ButtonKind::Push, "All", makeRect(445, 705, 80, 22));
    tagButton = makeButton(ButtonKind::Push, "Tag", makeRect(350, 40, 60, 20));
    tagButton->setTag(1);
    untagButton = makeButton(ButtonKind::Push, "Untag", makeRect(415, 40, 60, 20));
    untagButton->setTag(0);
    selectAllButton = makeButton(ButtonKind::Push, "Select All", makeRect(480, 40, 60, 20));
}

void MainApp::buildSheets()
{
    // Preferences sheet: two check boxes, the pair of import alternatives and what the import
    // writes into the copies.
    preferencesPanel = makePanel("Preferences", makeRect(0, 0, 380, 230));
    fadingWindowsTagg = makeButton(ButtonKind::CheckBox, "Fade windows", makeRect(20, 180, 340, 20));
    trackNumberTagg = makeButton(ButtonKind::CheckBox, "Track number in front of copied names",
                                 makeRect(20, 150, 340, 20));
    diskImportTagg = makeButton(ButtonKind::CheckBox, "Copy into a folder", makeRect(20, 120, 340, 20));
    iTunes_iPhotoImportTagg = makeButton(ButtonKind::CheckBox, "Import into Music, Videos and Pictures",
                                         makeRect(20, 90, 340, 20));
    writeStatisticsTagg = makeButton(ButtonKind::CheckBox, "Write ratings and play counts into imported tunes",
                                     makeRect(20, 60, 340, 20));
    closePreferences = makeButton(ButtonKind::Push, "OK", makeRect(290, 15, 70, 24));

    // Import sheet.
    whereToImportPanel = makePanel("Import", makeRect(0, 0, 420, 360));
    makeItunesImport = makeButton(ButtonKind::CheckBox, "Tunes into Music, films into Videos",
                                  makeRect(20, 320, 380, 20));
    makeIPhotoImport = makeButton(ButtonKind::CheckBox, "Pictures into Pictures/Korvida", makeRect(20, 295, 380, 20));
    iTunesPlayListsTableView = std::make_unique<TableView>();
    addColumn(*iTunesPlayListsTableView, "taged", "", CellKind::CheckBox, true);
    addColumn(*iTunesPlayListsTableView, "taggedInPlayList", "Also as a playlist in Music/Playlists");
    iTunesPlayListsTableView->setFrame(makeRect(20, 50, 380, 235));
    doImportButton = makeButton(ButtonKind::Push, "Import", makeRect(330, 12, 70, 24));
    cancelImportButton = makeButton(ButtonKind::Push, "Cancel", makeRect(250, 12, 70, 24));
}

void MainApp::buildFullScreen()
{
    // Full-screen content and control panels.
    fullScreenPanel = makePanel("", makeRect(0, 0, 800, 600));
    fullScreenMovieView = std::make_unique<korvida::MovieView>();
    inImageViewFullScreen = std::make_unique<korvida::ImageView>();
    controllPanel = makePanel("", makeRect(0, 0, 800, 130));
    playlistsControllPanel = makePanel("", makeRect(0, 0, 200, 400));
    namesControllPanel = makePanel("", makeRect(0, 0, 200, 400));
    selectControllPanel = makePanel("", makeRect(0, 0, 800, 230));
    playButtonControllPanel = makeButton(ButtonKind::Push, "", makeRect(365, 50, 70, 70));
    backButtonControllPanel = makeButton(ButtonKind::Push, "", makeRect(225, 55, 60, 60));
    fastBackControllPanel = makeButton(ButtonKind::Toggle, "", makeRect(295, 55, 60, 60));
    fastForwardControllPanel = makeButton(ButtonKind::Toggle, "", makeRect(445, 55, 60, 60));
    nextButtonControllPanel = makeButton(ButtonKind::Push, "", makeRect(515, 55, 60, 60));
    timeSliderControllPanel = std::make_unique<korvida::Slider>();
    timeSliderControllPanel->setFrame(makeRect(120, 15, 560, 20));
    timePlaydControllPanel = makeField(makeRect(60, 15, 55, 17));
    timeLeftControllPanel = makeField(makeRect(685, 15, 60, 17));
    mediaTableViewFullScreen = makeMediaTable();
    genereTableViewFullScreen = makeOneColumnTable("genere", "Genre");
    artistTableViewFullScreen = makeOneColumnTable("artist", "Artist", &artistColumnControllPanelFullScreen);
    albumTableViewFullScreen = makeOneColumnTable("album", "Album", &albumColumnControllPanelFullScreen);
    playListTableViewFullScreen = makeOneColumnTable("listName", "Playlists");
    leaveFullScreenButton = makeButton(ButtonKind::Push, "", makeRect(700, 60, 50, 50));
    hidePanelsButton = makeButton(ButtonKind::Push, "Hide", makeRect(700, 15, 60, 20));

    backfullScreenPanel = std::make_unique<Window>();
    mainfullScreenPanel = std::make_unique<Window>();
    controllPanelFullScreen = std::make_unique<Window>();
    playlistsControllPanelFullScreen = std::make_unique<Window>();
    namesControllPanelFullScreen = std::make_unique<Window>();
    selectControllPanelFullScreen = std::make_unique<Window>();
}

void MainApp::connectInterface()
{
    for (TableView* table : {mediaTableView.get(), genereTableView.get(), artistTableView.get(), albumTableView.get(),
                             playListsTableView.get(), iTunesPlayListsTableView.get(), mediaTableViewFullScreen.get(),
                             genereTableViewFullScreen.get(), artistTableViewFullScreen.get(),
                             albumTableViewFullScreen.get(), playListTableViewFullScreen.get()})
        table->setDataSource(this);

    connectBrowser();
    connectCopying();
    connectImport();
    connectPlayback();
    connectPresentation();
    closePreferences->setAction([this](Button& sender) { closePreferencesButton(&sender); });
}
