// Full screen: the presentation window with the screen's content, and the control panels
// whose contents move into their own windows while they show.
#include <QAbstractButton>
#include <QHBoxLayout>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

#include "qt/binding/binder.h"
#include "qt/binding/media_table_keys.h"
#include "qt/interface/interface_builder.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/movie_widget.h"
#include "qt/widgets/picture_widget.h"

namespace korvida::qt {

void InterfaceBuilder::buildFullScreen(MainInterface& ui)
{
    buildPresentation(ui);
    buildTransportPanel(ui);
    buildTablePanels(ui);
    plainWindow(*app.backfullScreenPanel, ui)->setProperty("fullScreen", true);
    for (Window* holder : {app.controllPanelFullScreen.get(), app.playlistsControllPanelFullScreen.get(),
                           app.namesControllPanelFullScreen.get(), app.selectControllPanelFullScreen.get()})
        plainWindow(*holder, ui);
}

void InterfaceBuilder::buildPresentation(MainInterface& ui)
{
    // The presentation window holds the screen's content from the start: a video widget
    // taken from one window into another no longer shows its picture. The picture fills the
    // content; the movie view lies over it at its frame. All of it is black.
    QWidget* presentation = plainWindow(*app.mainfullScreenPanel, ui);
    presentation->setProperty("fullScreen", true);
    auto* screenContent = new FlippedContainer;
    screenContent->setObjectName(QStringLiteral("fullScreenContent"));
    screenContent->setProperty("fullScreen", true);
    screenContent->setAttribute(Qt::WA_StyledBackground);
    presentation->layout()->addWidget(screenContent);
    auto* fill = new QVBoxLayout(screenContent);
    fill->setContentsMargins(0, 0, 0, 0);
    auto* picture = named(new PictureWidget, *app.inImageViewFullScreen);
    fill->addWidget(picture);
    binder.bindImageView(*app.inImageViewFullScreen, picture, nullptr);
    auto* movie = named(new MovieWidget(screenContent), *app.fullScreenMovieView);
    binder.bindMovieView(*app.fullScreenMovieView, movie, screenContent);
    movie->raise();
    binder.registerContent(*app.fullScreenPanel->contentView(), screenContent);
    plainWindow(*app.fullScreenPanel, ui);
}

void InterfaceBuilder::buildTransportPanel(MainInterface& ui)
{
    auto* transport = panelContent<QVBoxLayout>(*app.controllPanel, ui);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (Button* control :
         {app.backButtonControllPanel.get(), app.fastBackControllPanel.get(), app.playButtonControllPanel.get(),
          app.fastForwardControllPanel.get(), app.nextButtonControllPanel.get()})
        buttons->addWidget(button(*control, nullptr));
    buttons->addStretch(1);
    buttons->addWidget(button(*app.hidePanelsButton, nullptr));
    buttons->addWidget(button(*app.leaveFullScreenButton, nullptr));
    transport->addLayout(buttons);
    auto* times = new QHBoxLayout;
    times->addWidget(field(*app.timePlaydControllPanel, nullptr));
    times->addWidget(slider(*app.timeSliderControllPanel, nullptr), 1);
    times->addWidget(field(*app.timeLeftControllPanel, nullptr));
    transport->addLayout(times);
}

void InterfaceBuilder::buildTablePanels(MainInterface& ui)
{
    panelContent<QVBoxLayout>(*app.playlistsControllPanel, ui)->addWidget(table(*app.playListTableViewFullScreen));
    QTableView* names = table(*app.mediaTableViewFullScreen);
    sizeMediaColumns(names);
    playOnKeys(names, *app.mediaTableViewFullScreen);
    panelContent<QVBoxLayout>(*app.namesControllPanel, ui)->addWidget(names);
    auto* select = panelContent<QHBoxLayout>(*app.selectControllPanel, ui);
    select->addWidget(table(*app.genereTableViewFullScreen));
    select->addWidget(table(*app.artistTableViewFullScreen));
    select->addWidget(table(*app.albumTableViewFullScreen));
}

} // namespace korvida::qt
