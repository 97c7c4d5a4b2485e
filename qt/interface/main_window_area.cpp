// The main window: the media area placed by its controls' frames, and the browser side in Qt
// layouts.
#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QVideoWidget>

#include "qt/binding/binder.h"
#include "qt/binding/media_table_keys.h"
#include "qt/folder_drop_filter.h"
#include "qt/interface/browser_split.h"
#include "qt/interface/interface_builder.h"
#include "qt/main_window.h"
#include "qt/widgets/clear_text_action.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/movie_widget.h"
#include "qt/widgets/picture_widget.h"
#include "qt/widgets/whole_names.h"

namespace korvida::qt {

namespace {

constexpr QSize kMinimumWindow(980, 620);
// The playlist column grows to show its names whole up to this width.
constexpr int kWidestPlayListColumn = 200;

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

} // namespace

void InterfaceBuilder::buildMainWindow(MainInterface& ui)
{
    ui.mainWindow = named(new MainWindow, *app.mainWindow);
    ui.mainWindow->setMinimumSize(kMinimumWindow);
    ui.mainContent = new FlippedContainer;
    ui.mainContent->setObjectName(QStringLiteral("mainContent"));
    ui.mainWindow->setCentralWidget(ui.mainContent);
    binder.registerContent(*app.mainWindow->contentView(), ui.mainContent);
    buildMediaArea(ui.mainContent);
    buildBrowser(ui);
    binder.bindWindow(*app.mainWindow, ui.mainWindow, ui.mainContent, ui.mainContent);
}

void InterfaceBuilder::buildMediaArea(FlippedContainer* area)
{
    auto* picture = named(new PictureWidget(area), *app.inImageView);
    binder.bindImageView(*app.inImageView, picture, area);
    auto* movie = named(new MovieWidget(area), *app.mainMovieView);
    binder.bindMovieView(*app.mainMovieView, movie, area);
    acceptFolders(picture, *app.inImageView);
    acceptFolders(movie, *app.mainMovieView);
    acceptFolders(movie->videoWidget(), *app.mainMovieView);
    for (Button* transport : {app.back.get(), app.fastBack.get(), app.play.get(), app.fastForward.get(), app.next.get(),
                              app.fullScreenB.get(), app.windowB.get()})
        button(*transport, area);
    slider(*app.timeSlider, area);
    field(*app.timePlayd, area);
    auto* left = static_cast<QLabel*>(field(*app.timeLeft, area));
    left->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void InterfaceBuilder::buildBrowser(MainInterface& ui)
{
    FlippedContainer* area = ui.mainContent;
    auto* browser = new QWidget(area);
    browser->setObjectName(QStringLiteral("browser"));
    auto* column = new QVBoxLayout(browser);
    column->setContentsMargins(12, 10, 6, 8);
    column->setSpacing(8);
    column->addLayout(browserHeader());
    column->addLayout(browserFilters());
    column->addWidget(browserTables(), 1);
    column->addLayout(browserTagging());
    column->addLayout(browserCopying());

    splitFromMediaArea(app, area, browser, ui, kMinimumWindow);
}

QLayout* InterfaceBuilder::browserHeader()
{
    auto* header = new QHBoxLayout;
    auto* playing = static_cast<QLabel*>(field(*app.corentlyPlaing, nullptr));
    playing->setProperty("heading", true);
    playing->setMinimumWidth(0);
    playing->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    header->addWidget(playing, 1);
    auto* count = static_cast<QLabel*>(field(*app.numberOfMedias, nullptr));
    count->setProperty("secondary", true);
    header->addWidget(count);
    return header;
}

QLayout* InterfaceBuilder::browserFilters()
{
    auto* filters = new QHBoxLayout;
    filters->setSpacing(4);
    auto* search = static_cast<QLineEdit*>(field(*app.searchField, nullptr));
    search->setPlaceholderText(QStringLiteral("Search"));
    addClearTextAction(search);
    search->setFixedWidth(180);
    filters->addWidget(search);
    filters->addStretch(1);
    for (Button* filter : {app.allFilterButton.get(), app.musicFilterButton.get(), app.movieFilterButton.get(),
                           app.pictureFilterButton.get()})
        filters->addWidget(button(*filter, nullptr));
    return filters;
}

QWidget* InterfaceBuilder::browserTables()
{
    auto* columns = new QSplitter(Qt::Horizontal);
    columns->addWidget(table(*app.genereTableView));
    columns->addWidget(table(*app.artistTableView));
    columns->addWidget(table(*app.albumTableView));
    auto* lists = new QSplitter(Qt::Vertical);
    lists->addWidget(columns);
    QTableView* mediaTable = table(*app.mediaTableView);
    sizeMediaColumns(mediaTable);
    playOnKeys(mediaTable, *app.mediaTableView);
    lists->addWidget(mediaTable);
    lists->setStretchFactor(0, 2);
    lists->setStretchFactor(1, 3);
    auto* sides = new QSplitter(Qt::Horizontal);
    QTableView* playLists = table(*app.playListsTableView);
    new WholeNames(playLists, kWidestPlayListColumn);
    sides->addWidget(playLists);
    sides->addWidget(lists);
    sides->setStretchFactor(0, 1);
    sides->setStretchFactor(1, 3);
    sides->setSizes({130, 500});
    return sides;
}

QLayout* InterfaceBuilder::browserTagging()
{
    auto* tagging = new QHBoxLayout;
    for (Button* tag : {app.tagButton.get(), app.untagButton.get(), app.selectAllButton.get()})
        tagging->addWidget(button(*tag, nullptr));
    auto* tagged = static_cast<QLabel*>(field(*app.mediaTaged, nullptr));
    tagged->setProperty("secondary", true);
    tagged->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tagged->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    tagging->addWidget(tagged, 1);
    return tagging;
}

QLayout* InterfaceBuilder::browserCopying()
{
    // The bar and the text beside it share the room left of the buttons whichever of them
    // shows, and the selected item's cancel button keeps its room while hidden: "Cancel All"
    // never moves while copies run, so a click aimed at it lands.
    auto* copying = new QHBoxLayout;
    QAbstractButton* copyButton = button(*app.copy, nullptr);
    copyButton->setProperty("accent", true);
    copyButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    copying->addWidget(copyButton);
    auto* progress = named(new QProgressBar, *app.copyingProgressIndicator);
    progress->setTextVisible(false);
    progress->setFixedHeight(8);
    binder.bindProgressIndicator(*app.copyingProgressIndicator, progress, nullptr);
    copying->addWidget(progress, 1);
    // The count while copies run, the run's summary after.
    auto* counter = static_cast<QLabel*>(field(*app.copyingTextField, nullptr));
    counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counter->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    copying->addWidget(counter, 1);
    QAbstractButton* cancelOne = button(*app.canselCopying, nullptr);
    QSizePolicy keepsRoom = cancelOne->sizePolicy();
    keepsRoom.setRetainSizeWhenHidden(true);
    cancelOne->setSizePolicy(keepsRoom);
    copying->addWidget(cancelOne);
    copying->addWidget(button(*app.canselAllCopying, nullptr));
    return copying;
}

} // namespace korvida::qt
