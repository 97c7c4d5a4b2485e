#include "qt/interface/main_interface.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QVideoWidget>

#include "qt/binding/binder.h"
#include "qt/binding/media_table_keys.h"
#include "qt/folder_drop_filter.h"
#include "qt/interface/browser_split.h"
#include "qt/main_window.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/image_button.h"
#include "qt/widgets/movie_widget.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

namespace {

constexpr QSize kMinimumWindow(980, 620);
constexpr int kRowHeight = 20;

QString name(const char* outlet)
{
    return QString::fromLatin1(outlet);
}

template <typename W>
W* named(W* widget, const char* outlet)
{
    widget->setObjectName(name(outlet));
    return widget;
}

QAbstractButton* buttonWidget(Button& button, const char* outlet)
{
    QAbstractButton* widget = nullptr;
    if (button.kind() == ButtonKind::CheckBox)
        widget = new QCheckBox;
    else if (button.title().empty())
        widget = new ImageButton;
    else
        widget = new QPushButton;
    return named(widget, outlet);
}

QTableView* tableWidget(const char* outlet)
{
    auto* table = named(new QTableView, outlet);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return table;
}

// Media tables: a narrow tick column, then Name, Artist and Album narrow enough that the
// Genre column (the last, which takes the rest) still shows at 1280 x 800.
void sizeMediaColumns(QTableView* table)
{
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 26);
    header->resizeSection(1, 150);
    header->resizeSection(2, 100);
    header->resizeSection(3, 100);
}

class Builder {
public:
    Builder(MainApp& app, Binder& binder) : app(app), binder(binder) {}

    std::unique_ptr<MainInterface> build()
    {
        auto ui = std::make_unique<MainInterface>();
        buildMainWindow(*ui);
        buildPreferences(*ui);
        buildImportSheet(*ui);
        buildFullScreen(*ui);
        return ui;
    }

private:
    QAbstractButton* button(Button& model, const char* outlet, FlippedContainer* container)
    {
        QAbstractButton* widget = buttonWidget(model, outlet);
        if (container != nullptr)
            widget->setParent(container);
        binder.bindButton(model, widget, container);
        return widget;
    }

    QWidget* field(TextField& model, const char* outlet, FlippedContainer* container)
    {
        QWidget* widget = model.isEditable() ? static_cast<QWidget*>(new QLineEdit) : new QLabel;
        named(widget, outlet);
        if (container != nullptr)
            widget->setParent(container);
        binder.bindTextField(model, widget, container);
        return widget;
    }

    QSlider* slider(Slider& model, const char* outlet, FlippedContainer* container)
    {
        auto* widget = named(new QSlider(Qt::Horizontal), outlet);
        if (container != nullptr)
            widget->setParent(container);
        binder.bindSlider(model, widget, container);
        return widget;
    }

    QTableView* table(TableView& model, const char* outlet)
    {
        QTableView* widget = tableWidget(outlet);
        binder.bindTableView(model, widget, nullptr);
        return widget;
    }

    // A window of the program that is a top-level widget of its own, with a host that takes
    // whatever content it shows.
    QWidget* plainWindow(Window& model, const char* outlet, MainInterface& ui)
    {
        auto* window = named(new QWidget(nullptr, Qt::Window), outlet);
        auto* host = new QVBoxLayout(window);
        host->setContentsMargins(0, 0, 0, 0);
        binder.bindWindow(model, window, window, window);
        ui.otherWindows.append(window);
        return window;
    }

    // A panel of the interface whose content moves into a full-screen window when shown.
    template <typename L>
    L* panelContent(Panel& panel, const char* outlet, MainInterface& ui)
    {
        auto* content = new QWidget;
        content->setObjectName(name(outlet) + QStringLiteral("Content"));
        content->setProperty("fullScreenPanel", true);
        auto* layout = new L(content);
        binder.registerContent(*panel.contentView(), content);
        plainWindow(panel, outlet, ui);
        return layout;
    }

    void buildMainWindow(MainInterface& ui)
    {
        ui.mainWindow = new MainWindow;
        ui.mainWindow->setMinimumSize(kMinimumWindow);
        ui.mainContent = named(new FlippedContainer, "mainContent");
        ui.mainWindow->setCentralWidget(ui.mainContent);
        binder.registerContent(*app.mainWindow->contentView(), ui.mainContent);
        buildMediaArea(ui.mainContent);
        buildBrowser(ui);
        binder.bindWindow(*app.mainWindow, ui.mainWindow, ui.mainContent, ui.mainContent);
    }

    void buildMediaArea(FlippedContainer* area)
    {
        auto* picture = named(new PictureWidget(area), "inImageView");
        binder.bindImageView(*app.inImageView, picture, area);
        auto* movie = named(new MovieWidget(area), "mainMovieView");
        binder.bindMovieView(*app.mainMovieView, movie, area);
        acceptFolders(picture, *app.inImageView);
        acceptFolders(movie, *app.mainMovieView);
        acceptFolders(movie->videoWidget(), *app.mainMovieView);
        button(*app.back, "back", area);
        button(*app.fastBack, "fastBack", area);
        button(*app.play, "play", area);
        button(*app.fastForward, "fastForward", area);
        button(*app.next, "next", area);
        button(*app.fullScreenB, "fullScreenB", area);
        button(*app.windowB, "windowB", area);
        slider(*app.timeSlider, "timeSlider", area);
        field(*app.timePlayd, "timePlayd", area);
        auto* left = static_cast<QLabel*>(field(*app.timeLeft, "timeLeft", area));
        left->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    // A drop point for device folders: the view itself decides what a drop means.
    template <typename DropView>
    void acceptFolders(QWidget* widget, DropView& view)
    {
        auto* filter = new FolderDropFilter(
            [&view](const std::vector<std::string>& fileNames) {
                return view.performDragOperation(Pasteboard{{kFilenamesPboardType}, fileNames});
            },
            widget);
        filter->watch(widget);
    }

    void buildBrowser(MainInterface& ui)
    {
        FlippedContainer* area = ui.mainContent;
        auto* browser = named(new QWidget(area), "browser");
        auto* column = new QVBoxLayout(browser);
        column->setContentsMargins(12, 10, 6, 8);
        column->setSpacing(8);

        auto* header = new QHBoxLayout;
        auto* playing = static_cast<QLabel*>(field(*app.corentlyPlaing, "corentlyPlaing", nullptr));
        playing->setProperty("heading", true);
        playing->setMinimumWidth(0);
        playing->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        header->addWidget(playing, 1);
        auto* count = static_cast<QLabel*>(field(*app.numberOfMedias, "numberOfMedias", nullptr));
        count->setProperty("secondary", true);
        header->addWidget(count);
        column->addLayout(header);

        auto* filters = new QHBoxLayout;
        filters->setSpacing(4);
        auto* search = static_cast<QLineEdit*>(field(*app.searchField, "searchField", nullptr));
        search->setPlaceholderText(QStringLiteral("Search"));
        search->setClearButtonEnabled(true);
        search->setFixedWidth(180);
        filters->addWidget(search);
        filters->addStretch(1);
        filters->addWidget(button(*app.allFilterButton, "allFilterButton", nullptr));
        filters->addWidget(button(*app.musicFilterButton, "musicFilterButton", nullptr));
        filters->addWidget(button(*app.movieFilterButton, "movieFilterButton", nullptr));
        filters->addWidget(button(*app.pictureFilterButton, "pictureFilterButton", nullptr));
        column->addLayout(filters);

        auto* columns = new QSplitter(Qt::Horizontal);
        columns->addWidget(table(*app.genereTableView, "genereTableView"));
        columns->addWidget(table(*app.artistTableView, "artistTableView"));
        columns->addWidget(table(*app.albumTableView, "albumTableView"));
        auto* lists = new QSplitter(Qt::Vertical);
        lists->addWidget(columns);
        QTableView* mediaTable = table(*app.mediaTableView, "mediaTableView");
        sizeMediaColumns(mediaTable);
        playOnKeys(mediaTable, *app.mediaTableView);
        lists->addWidget(mediaTable);
        lists->setStretchFactor(0, 2);
        lists->setStretchFactor(1, 3);
        auto* sides = new QSplitter(Qt::Horizontal);
        sides->addWidget(table(*app.playListsTableView, "playListsTableView"));
        sides->addWidget(lists);
        sides->setStretchFactor(0, 1);
        sides->setStretchFactor(1, 3);
        sides->setSizes({130, 500});
        column->addWidget(sides, 1);

        auto* tagging = new QHBoxLayout;
        tagging->addWidget(button(*app.tagButton, "tagButton", nullptr));
        tagging->addWidget(button(*app.untagButton, "untagButton", nullptr));
        tagging->addWidget(button(*app.selectAllButton, "selectAllButton", nullptr));
        auto* tagged = static_cast<QLabel*>(field(*app.mediaTaged, "mediaTaged", nullptr));
        tagged->setProperty("secondary", true);
        tagged->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tagged->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        tagging->addWidget(tagged, 1);
        column->addLayout(tagging);

        auto* copying = new QHBoxLayout;
        QAbstractButton* copyButton = button(*app.copy, "copy", nullptr);
        copyButton->setProperty("accent", true);
        // The Copy button keeps its size and place whether the bar beside it shows or not.
        copyButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        copying->addWidget(copyButton);
        auto* progress = named(new QProgressBar, "copyingProgressIndicator");
        progress->setTextVisible(false);
        progress->setFixedHeight(8);
        binder.bindProgressIndicator(*app.copyingProgressIndicator, progress, nullptr);
        copying->addWidget(progress, 1);
        copying->addWidget(field(*app.copyingTextField, "copyingTextField", nullptr));
        copying->addWidget(button(*app.canselCopying, "canselCopying", nullptr));
        copying->addWidget(button(*app.canselAllCopying, "canselAllCopying", nullptr));
        // Takes the room of the bar while it is hidden (the bar's stretch wins while it shows).
        copying->addStretch(0);
        column->addLayout(copying);

        splitFromMediaArea(app, area, browser, ui, kMinimumWindow);
    }

    // A sheet: a dialog over the main window whose controls sit at their frames.
    FlippedContainer* sheet(Panel& panel, const char* outlet, MainInterface& ui, Button& dismiss)
    {
        auto* dialog = named(new QDialog(ui.mainWindow), outlet);
        auto* host = new QVBoxLayout(dialog);
        host->setContentsMargins(0, 0, 0, 0);
        auto* content = new FlippedContainer;
        content->setObjectName(name(outlet) + QStringLiteral("Content"));
        host->addWidget(content);
        binder.registerContent(*panel.contentView(), content);
        binder.bindWindow(panel, dialog, dialog, dialog, [&dismiss] { dismiss.performClick(); });
        return content;
    }

    // Two check boxes that act as a pair of alternatives: choosing one clears the other,
    // and choosing the one already on keeps it on.
    void alternatives(Button& first, QAbstractButton* firstWidget, Button& second, QAbstractButton* secondWidget)
    {
        QObject::connect(firstWidget, &QAbstractButton::clicked, firstWidget, [&first, &second] {
            first.setState(1);
            second.setState(0);
        });
        QObject::connect(secondWidget, &QAbstractButton::clicked, secondWidget, [&first, &second] {
            second.setState(1);
            first.setState(0);
        });
    }

    QAbstractButton* radio(Button& model, const char* outlet, FlippedContainer* container)
    {
        auto* widget = named(new QRadioButton(container), outlet);
        widget->setAutoExclusive(false);
        binder.bindButton(model, widget, container);
        return widget;
    }

    void buildPreferences(MainInterface& ui)
    {
        FlippedContainer* content = sheet(*app.preferencesPanel, "preferencesPanel", ui, *app.closePreferences);
        button(*app.fadingWindowsTagg, "fadingWindowsTagg", content);
        button(*app.trackNumberTagg, "trackNumberTagg", content);
        QAbstractButton* disk = radio(*app.diskImportTagg, "diskImportTagg", content);
        QAbstractButton* import = radio(*app.iTunes_iPhotoImportTagg, "iTunes_iPhotoImportTagg", content);
        alternatives(*app.diskImportTagg, disk, *app.iTunes_iPhotoImportTagg, import);
        button(*app.closePreferences, "closePreferences", content)->setProperty("accent", true);
    }

    void buildImportSheet(MainInterface& ui)
    {
        FlippedContainer* content = sheet(*app.whereToImportPanel, "whereToImportPanel", ui, *app.cancelImportButton);
        button(*app.makeItunesImport, "makeItunesImport", content);
        button(*app.makeIPhotoImport, "makeIPhotoImport", content);
        QTableView* lists = tableWidget("iTunesPlayListsTableView");
        lists->setParent(content);
        binder.bindTableView(*app.iTunesPlayListsTableView, lists, content);
        lists->horizontalHeader()->resizeSection(0, 26);
        button(*app.cancelImportButton, "cancelImportButton", content);
        button(*app.doImportButton, "doImportButton", content)->setProperty("accent", true);
    }

    void buildFullScreen(MainInterface& ui)
    {
        // The presentation window holds the screen's content from the start: a video widget
        // taken from one window into another no longer shows its picture. The picture fills
        // the content; the movie view lies over it at its frame. All of it is black.
        QWidget* presentation = plainWindow(*app.mainfullScreenPanel, "mainfullScreenPanel", ui);
        presentation->setProperty("fullScreen", true);
        auto* screenContent = named(new FlippedContainer, "fullScreenContent");
        screenContent->setProperty("fullScreen", true);
        screenContent->setAttribute(Qt::WA_StyledBackground);
        presentation->layout()->addWidget(screenContent);
        auto* fill = new QVBoxLayout(screenContent);
        fill->setContentsMargins(0, 0, 0, 0);
        auto* picture = named(new PictureWidget, "inImageViewFullScreen");
        fill->addWidget(picture);
        binder.bindImageView(*app.inImageViewFullScreen, picture, nullptr);
        auto* movie = named(new MovieWidget(screenContent), "fullScreenMovieView");
        binder.bindMovieView(*app.fullScreenMovieView, movie, screenContent);
        movie->raise();
        binder.registerContent(*app.fullScreenPanel->contentView(), screenContent);
        plainWindow(*app.fullScreenPanel, "fullScreenPanel", ui);

        auto* transport = panelContent<QVBoxLayout>(*app.controllPanel, "controllPanel", ui);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(button(*app.backButtonControllPanel, "backButtonControllPanel", nullptr));
        buttons->addWidget(button(*app.fastBackControllPanel, "fastBackControllPanel", nullptr));
        buttons->addWidget(button(*app.playButtonControllPanel, "playButtonControllPanel", nullptr));
        buttons->addWidget(button(*app.fastForwardControllPanel, "fastForwardControllPanel", nullptr));
        buttons->addWidget(button(*app.nextButtonControllPanel, "nextButtonControllPanel", nullptr));
        buttons->addStretch(1);
        buttons->addWidget(button(*app.hidePanelsButton, "hidePanelsButton", nullptr));
        buttons->addWidget(button(*app.leaveFullScreenButton, "leaveFullScreenButton", nullptr));
        transport->addLayout(buttons);
        auto* times = new QHBoxLayout;
        times->addWidget(field(*app.timePlaydControllPanel, "timePlaydControllPanel", nullptr));
        times->addWidget(slider(*app.timeSliderControllPanel, "timeSliderControllPanel", nullptr), 1);
        times->addWidget(field(*app.timeLeftControllPanel, "timeLeftControllPanel", nullptr));
        transport->addLayout(times);

        panelContent<QVBoxLayout>(*app.playlistsControllPanel, "playlistsControllPanel", ui)
            ->addWidget(table(*app.playListTableViewFullScreen, "playListTableViewFullScreen"));
        QTableView* names = table(*app.mediaTableViewFullScreen, "mediaTableViewFullScreen");
        sizeMediaColumns(names);
        playOnKeys(names, *app.mediaTableViewFullScreen);
        panelContent<QVBoxLayout>(*app.namesControllPanel, "namesControllPanel", ui)->addWidget(names);
        auto* select = panelContent<QHBoxLayout>(*app.selectControllPanel, "selectControllPanel", ui);
        select->addWidget(table(*app.genereTableViewFullScreen, "genereTableViewFullScreen"));
        select->addWidget(table(*app.artistTableViewFullScreen, "artistTableViewFullScreen"));
        select->addWidget(table(*app.albumTableViewFullScreen, "albumTableViewFullScreen"));

        plainWindow(*app.backfullScreenPanel, "backfullScreenPanel", ui)->setProperty("fullScreen", true);
        plainWindow(*app.controllPanelFullScreen, "controllPanelFullScreen", ui);
        plainWindow(*app.playlistsControllPanelFullScreen, "playlistsControllPanelFullScreen", ui);
        plainWindow(*app.namesControllPanelFullScreen, "namesControllPanelFullScreen", ui);
        plainWindow(*app.selectControllPanelFullScreen, "selectControllPanelFullScreen", ui);
    }

    MainApp& app;
    Binder& binder;
};

}  // namespace

MainInterface::~MainInterface()
{
    qDeleteAll(otherWindows);
    delete mainWindow;
}

std::unique_ptr<MainInterface> buildMainInterface(MainApp& app, Binder& binder)
{
    return Builder(app, binder).build();
}

}  // namespace korvida::qt
