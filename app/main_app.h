#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/drop_targets.h"
#include "app/player_watch.h"
#include "app/read_ahead.h"
#include "browser/whole_lists.h"
#include "copy/copy_queue.h"
#include "devicedb/device_reader.h"
#include "import/import_run.h"
#include "library/browser_rows.h"
#include "library/in_media.h"
#include "library/play_list.h"
#include "library/process_state.h"
#include "platform/button.h"
#include "platform/image.h"
#include "platform/image_view.h"
#include "platform/movie.h"
#include "platform/movie_view.h"
#include "platform/progress_indicator.h"
#include "platform/services.h"
#include "platform/slider.h"
#include "platform/table_view.h"
#include "platform/text_field.h"
#include "platform/user_defaults.h"
#include "platform/window.h"
#include "playback/cover_lookup.h"
#include "playback/newest_work_thread.h"
#include "playback/shown_picture_file.h"
#include "presentation/main_window_layout.h"

// The application's one controller. It owns every window and control of the interface (built
// in app/main_interface.cpp as the interface file would make them; app/outlets.h names each
// control that a widget shows), the lists, the process state and the worker thread, and it is
// the data source of every table.
//
// Operations are declared here and defined in the folder of the subsystem they belong to.
class MainApp : public korvida::TableDataSource {
public:
    explicit MainApp(const korvida::Services& services);
    ~MainApp() override;
    MainApp(const MainApp&) = delete;
    MainApp& operator=(const MainApp&) = delete;

    // Start-up and the tick.
    void init();
    void applicationDidFinishLaunching();
    void doChecks();

    // Opening a device.
    // A drop is read on the main thread's next turn, not at the next tick.
    void readDropSoon();
    // The drop step of the tick: a pending drop is looked at once and, unless copies run, a
    // player is read. Answers whether one was read.
    bool readDroppedPlayer();
    void getTags();
    void getPictTags(korvida::DatabaseProblems* problems = nullptr);
    // Tells in a message box which databases of the player were not read whole.
    void tellDatabaseProblems(const korvida::DatabaseProblems& problems);

    // Preferences.
    void setFactoryDefaults();
    void loadDefaults();
    void saveDefaults();
    void openPreferencesButton(korvida::Button* sender);
    void closePreferencesButton(korvida::Button* sender);

    // Quit and the home page.
    void quit(korvida::Button* sender);
    void donateUpdate(korvida::Button* sender);

    // Runs `run` on the worker thread. The flag `workerRunning` is set before it starts and
    // cleared when it has ended; a finished earlier worker is joined first. Only one worker
    // runs at a time: callers start one only while `workerRunning` is false.
    void startWorker(std::function<void()> run);

    // The number of items of `mediasVisible` that are queued or copying.
    int pendingCopies() const;

    // Browser
    void movieButton(korvida::Button* sender);
    void musicButton(korvida::Button* sender);
    void pictureButton(korvida::Button* sender);
    void allButton(korvida::Button* sender);
    void musicAndMovies();
    void setGenere();
    void tableViewClicked(korvida::TableView* sender);
    void tableViewPlayListsClicked(korvida::TableView* sender);
    // The search field's action; the field itself is the outlet `searchField`.
    void searchFieldAction(korvida::TextField* sender);
    void tableViewDidClickTableColumn(korvida::TableView* table, korvida::TableColumn* column);
    // The user showed or hid a media-table column: both media tables follow, and the
    // columns shown are kept in the user's defaults.
    void tableViewDidChangeColumnVisibility(korvida::TableView* table, korvida::TableColumn* column);
    void loadShownMediaColumns();
    int numberOfRowsInTableView(const korvida::TableView& table) override;
    korvida::CellValue tableViewObjectValueForTableColumn(const korvida::TableView& table,
                                                          const korvida::TableColumn& column, int row) override;
    void tableViewSetObjectValueForTableColumnRow(const korvida::TableView& table, const korvida::CellValue& value,
                                                  const korvida::TableColumn& column, int row) override;
    void tableViewWillDisplayCell(const korvida::TableView& table, korvida::TableCell& cell,
                                  const korvida::TableColumn& column, int row) override;
    void updateUI();
    void updateMediaTableView();
    void tagSelectedButton(korvida::Button* sender);
    void selectedAllMediaButton(korvida::Button* sender);
    void showTagCount();
    // Gives the browser's controls their actions.
    void connectBrowser();
    // end Browser

    // Copying
    void connectCopying();
    void copyButton(korvida::Button* sender);
    // The folder sheet has ended; return code 1 (OK) starts a copy run into the chosen folder.
    void openPanelDidEnd(const std::optional<std::string>& chosenFolder, int returnCode);
    // The copy run, on the worker thread.
    void saveMediaAtPath(const std::string& path);
    void canselCopyingButton(korvida::Button* sender);
    void canselAllCopyingButton(korvida::Button* sender);
    // The progress indicator, in tens of bytes.
    void settCopyingProgress(int maximum);
    void showCopyingProgress(int value);
    // The tick's copy steps: the progress of the item at `row` (the media table's selected
    // row when the tick began), then the pending-copy counter.
    void showSelectedCopyProgress(int row);
    void showCopyCounter();
    korvida::CopyQueue copyQueue;
    std::atomic<bool> importStopped{false};
    // The player the running copy reads from, noted on the main thread before it starts: no
    // file is read from outside it.
    std::string copyPlayerFolder;
    // The last copy run's summary line, shown in `copyingTextField` once nothing is pending;
    // main thread only.
    std::string copyRunSummary;
    // end Copying

    // Import
    void connectImport();
    // The Copy button's import branch: fresh entries for the sheet's list, then the sheet.
    void openImportSheet();
    void iTunesImportTagg(korvida::Button* sender);
    void do_Itunes_iPhotoImport(korvida::Button* sender);
    void cancel_Itunes_iPhotoImport(korvida::Button* sender);
    // The import run, on the worker thread; the sheet's two boxes as they were confirmed.
    void doiTunes_iPhotoImport(bool toMusic, bool toPhotos);
    void iTunesImport();
    void iPhotoImport();
    // What an import run of this controller works with.
    korvida::ImportRun importRun();
    // end Import

    // Playback
    void playButton(korvida::Button* sender);
    void fastForvardButton(korvida::Button* sender);
    void fastBackButton(korvida::Button* sender);
    void backButton(korvida::Button* sender);
    void nextButton(korvida::Button* sender);
    void timeSliderSlider(korvida::Slider* sender);
    void setFatsForvardOn(bool isForvard, bool isBack);
    void displayTime();
    // Leaves the tune's icon in `inImage` at once and looks for its cover on the cover
    // thread (the picture of its ID3 tag first); a cover found replaces the icon, provided a
    // tune is still what plays.
    void getID3Image(const std::string& path);
    // Sizes `inImage` for the picture area of the window or the screen, and shows it there.
    void placeTunePicture();
    // The cover the player keeps for the tune in its artwork database, when the request
    // carries one: decoded on the cover thread, after the file's own cover.
    static std::optional<std::vector<std::uint8_t>> storedCover(const korvida::CoverRequest& request,
                                                                const korvida::ByteSource& file);
    // The tick's playback steps: the time display, then the move on at the end of an item.
    void showPlayingTime();
    void moveOnAtEnd();
    // The loaded item's time in the labels and on the sliders.
    void showMovieTime();
    // Stops what plays: the loaded item is paused where it is, shown at that time, and the
    // play buttons show play.
    void pausePlayback();
    // Lets go of the start-up sound, stopping it if it still sounds.
    void endStartupSound();
    // Opens the loaded item again and plays it from its start.
    void reopenLoadedItem();
    // Empties the time labels and puts the time sliders back to an empty range.
    void clearTimeDisplay();
    // Gives the transport controls and the media tables' double click their actions.
    void connectPlayback();
    // end Playback

    // Presentation
    void dragingWindow();
    // The window delegate's resize: the media area follows the window's edges, then the
    // layout runs unless in full screen.
    void windowDidResize();
    // The user has moved the splitter between the browser and the media area: the width is
    // kept in the settings and the media area follows.
    void browserSplitMoved(float width);
    void fullScreenButton(korvida::Button* sender);
    void quitFullScreenControllerButton(korvida::Button* sender);
    // The tick's panel logic while in full screen.
    void fullscreenControllPanel();
    void enterFullScreen();
    void leaveFullScreen();
    // Fits the film, picture or tune's picture of full screen to the screen, between the
    // control panels while they show.
    void fitFullScreenContent(const korvida::Rect& screen);
    void showControlPanels(const korvida::Rect& screen);
    void hideControlPanels(const korvida::Rect& screen);
    // Orders the panels out and fits the content to the whole screen.
    void putControlPanelsAway(const korvida::Rect& screen);
    // The four control panel windows: bottom strip, left and right columns, top strip.
    std::vector<korvida::Window*> controlPanelWindows() const;
    // Gives the full-screen buttons their actions.
    void connectPresentation();
    // end Presentation

    // Services and process-wide state.
    korvida::Services services;
    korvida::UserDefaults defaults;
    ProcessState state;

    // The lists. `mediasVisible` owns the items of the open device; the others refer to them.
    std::vector<std::unique_ptr<InMedia>> mediasVisible;
    std::vector<InMedia*> allMedias;
    std::vector<InMedia*> medias;
    std::vector<InMedia*> searchMedias;
    std::vector<Genere> generes;
    std::vector<Artist> artists;
    std::vector<Album> albums;
    // The lists of "All" in every column and of an empty search, kept while the player is open.
    korvida::WholeLists wholeLists;

    // Play state.
    std::shared_ptr<korvida::Movie> visibleMovie;
    korvida::CoverLookup coverLookup{services.mainThread, services.images};
    InMedia* lastPlaydMedia = nullptr;
    // The picture of a photo kept only as thumbnails, as a file the movie layer can open.
    korvida::ShownPictureFile shownPicture;
    // Decodes that picture and writes its file; declared after the file, so that the work
    // under way has ended before the file goes.
    korvida::NewestWorkThread pictureThread{services.mainThread};
    bool playing = false;
    bool fullScreen = false;
    bool controllPannelHidden = true;
    int whatIsTypeIsPlaying = 2;
    int upTimeCount = 1;
    int upTimeCounter = 1;
    // The loaded item ended early once and was opened again; a second early end breaks it.
    bool reopenedAfterEarlyEnd = false;
    // Items in a row that the list could not play as it moved on by itself; a whole list of
    // them ends the list. Whatever the user chooses starts the count again.
    std::size_t failuresInARow = 0;
    bool listMovesOn = false;
    // The start-up sound: a player of its own, let go of when it ends or something is played.
    std::shared_ptr<korvida::Movie> startupSound;
    int controllPanelCount = 0;
    korvida::Point mouseLocation;
    float dragX = 0.0f;
    float dragY = 0.0f;
    // The width of the browser side as the user chose it (kept in the settings), and as the
    // window's width lets it show now; the media area starts right of the one shown.
    float browserWidth = korvida::kDefaultBrowserWidth;
    float shownBrowserWidth = korvida::kDefaultBrowserWidth;

    // While `quit` asks whether to stop the copies: a second quit then asks nothing.
    bool askingToQuit = false;

    // The repeating one-second timer that runs `doChecks`.
    std::unique_ptr<korvida::Timer> timer;

    // Images loaded by `init`; a missing resource leaves its field empty.
    std::shared_ptr<korvida::Image> palyButtonImageControllPanel;
    std::shared_ptr<korvida::Image> pauseButtonImageControllPanel;
    std::shared_ptr<korvida::Image> fastFButtonImageControllPanel;
    std::shared_ptr<korvida::Image> fastBButtonImageControllPanel;
    std::shared_ptr<korvida::Image> fastFButtonImageControllPanelDown;
    std::shared_ptr<korvida::Image> fastBButtonImageControllPanelDown;
    std::shared_ptr<korvida::Image> backImageControllPanel;
    std::shared_ptr<korvida::Image> nextImageControllPanel;
    std::shared_ptr<korvida::Image> windowImageControllPanel;
    std::shared_ptr<korvida::Image> fullScreenImage;
    std::shared_ptr<korvida::Image> inImage;

    // Main window.
    std::unique_ptr<korvida::Window> mainWindow;
    std::unique_ptr<korvida::TableView> mediaTableView;
    std::unique_ptr<korvida::TableView> genereTableView;
    std::unique_ptr<korvida::TableView> artistTableView;
    std::unique_ptr<korvida::TableView> albumTableView;
    std::unique_ptr<korvida::TableView> playListsTableView;
    korvida::TableColumn* artistColumn = nullptr;
    korvida::TableColumn* albumColumn = nullptr;
    korvida::TableColumn* artistColumnMedia = nullptr;
    korvida::TableColumn* albumColumnMedia = nullptr;
    std::unique_ptr<InImageView> inImageView;
    std::unique_ptr<InMovieView> mainMovieView;
    std::unique_ptr<korvida::Button> play;
    std::unique_ptr<korvida::Button> back;
    std::unique_ptr<korvida::Button> next;
    std::unique_ptr<korvida::Button> fastForward;
    std::unique_ptr<korvida::Button> fastBack;
    std::unique_ptr<korvida::Button> fullScreenB;
    std::unique_ptr<korvida::Button> windowB;
    std::unique_ptr<korvida::Button> copy;
    std::unique_ptr<korvida::Button> canselCopying;
    std::unique_ptr<korvida::Button> canselAllCopying;
    std::unique_ptr<korvida::Slider> timeSlider;
    std::unique_ptr<korvida::TextField> timePlayd;
    std::unique_ptr<korvida::TextField> timeLeft;
    std::unique_ptr<korvida::TextField> corentlyPlaing;
    std::unique_ptr<korvida::TextField> numberOfMedias;
    std::unique_ptr<korvida::TextField> mediaTaged;
    std::unique_ptr<korvida::TextField> copyingTextField;
    std::unique_ptr<korvida::TextField> searchField;
    std::unique_ptr<korvida::ProgressIndicator> copyingProgressIndicator;
    // Controls of the main window that are not outlets but send actions: the type filters,
    // the tag buttons (tag 1 tags, tag 0 untags) and the select-all button.
    std::unique_ptr<korvida::Button> movieFilterButton;
    std::unique_ptr<korvida::Button> musicFilterButton;
    std::unique_ptr<korvida::Button> pictureFilterButton;
    std::unique_ptr<korvida::Button> allFilterButton;
    std::unique_ptr<korvida::Button> tagButton;
    std::unique_ptr<korvida::Button> untagButton;
    std::unique_ptr<korvida::Button> selectAllButton;

    // Preferences sheet.
    std::unique_ptr<korvida::Panel> preferencesPanel;
    std::unique_ptr<korvida::Button> fadingWindowsTagg;
    std::unique_ptr<korvida::Button> trackNumberTagg;
    std::unique_ptr<korvida::Button> iTunes_iPhotoImportTagg;
    std::unique_ptr<korvida::Button> diskImportTagg;
    std::unique_ptr<korvida::Button> writeStatisticsTagg;
    std::unique_ptr<korvida::Button> closePreferences;

    // Import sheet.
    std::unique_ptr<korvida::Panel> whereToImportPanel;
    std::unique_ptr<korvida::Button> makeItunesImport;
    std::unique_ptr<korvida::Button> makeIPhotoImport;
    std::unique_ptr<korvida::TableView> iTunesPlayListsTableView;
    std::unique_ptr<korvida::Button> doImportButton;
    std::unique_ptr<korvida::Button> cancelImportButton;

    // Full-screen content.
    std::unique_ptr<korvida::Panel> fullScreenPanel;
    std::unique_ptr<korvida::MovieView> fullScreenMovieView;
    std::unique_ptr<korvida::ImageView> inImageViewFullScreen;

    // Full-screen control panels: `controllPanel` holds the transport controls,
    // `playlistsControllPanel` the playlist table, `namesControllPanel` the media table and
    // `selectControllPanel` the genre, artist and album tables.
    std::unique_ptr<korvida::Panel> controllPanel;
    std::unique_ptr<korvida::Panel> playlistsControllPanel;
    std::unique_ptr<korvida::Panel> namesControllPanel;
    std::unique_ptr<korvida::Panel> selectControllPanel;
    std::unique_ptr<korvida::Button> playButtonControllPanel;
    std::unique_ptr<korvida::Button> backButtonControllPanel;
    std::unique_ptr<korvida::Button> nextButtonControllPanel;
    std::unique_ptr<korvida::Button> fastForwardControllPanel;
    std::unique_ptr<korvida::Button> fastBackControllPanel;
    std::unique_ptr<korvida::Slider> timeSliderControllPanel;
    std::unique_ptr<korvida::TextField> timePlaydControllPanel;
    std::unique_ptr<korvida::TextField> timeLeftControllPanel;
    std::unique_ptr<korvida::TableView> mediaTableViewFullScreen;
    std::unique_ptr<korvida::TableView> genereTableViewFullScreen;
    std::unique_ptr<korvida::TableView> artistTableViewFullScreen;
    std::unique_ptr<korvida::TableView> albumTableViewFullScreen;
    std::unique_ptr<korvida::TableView> playListTableViewFullScreen;
    // Not outlets: the control panel's way back to the window and its way to hide the panels.
    std::unique_ptr<korvida::Button> leaveFullScreenButton;
    std::unique_ptr<korvida::Button> hidePanelsButton;
    korvida::TableColumn* artistColumnControllPanelFullScreen = nullptr;
    korvida::TableColumn* albumColumnControllPanelFullScreen = nullptr;

    // The windows of full-screen mode. They are made with the interface, ordered out, so
    // that the binding knows them from the start; full-screen mode sets them up.
    std::unique_ptr<korvida::Window> backfullScreenPanel;
    std::unique_ptr<korvida::Window> mainfullScreenPanel;
    std::unique_ptr<korvida::Window> controllPanelFullScreen;
    std::unique_ptr<korvida::Window> playlistsControllPanelFullScreen;
    std::unique_ptr<korvida::Window> namesControllPanelFullScreen;
    std::unique_ptr<korvida::Window> selectControllPanelFullScreen;

    // A folder handed to the program to open (its icon, the command line, "Open With").
    DroppOnIcon droppOnIcon{state, [this] {
                                readDropSoon();
                            }};
    // The title's notices about refused drops and an unplugged player.
    korvida::PlayerWatch playerWatch;
    // A player named at start, read while the window is built.
    korvida::ReadAhead readAhead;

    // The copy or import worker. Joined when the controller goes away.
    std::thread worker;
    std::atomic<bool> workerRunning{false};

private:
    void buildInterface();
    // The parts of the interface: the main window, its two sheets, full-screen mode.
    void buildMainWindow();
    void buildSheets();
    void buildFullScreen();
    void connectInterface();
};
