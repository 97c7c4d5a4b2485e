#include "app/main_app.h"

#include <algorithm>

#include "app/path_text.h"
#include "devicedb/device_reader.h"
#include "presentation/fitting.h"

void MainApp::getTags()
{
    // Stop what plays and let go of it.
    whatIsTypeIsPlaying = 2;
    playing = false;
    (fullScreen ? static_cast<korvida::MovieView&>(*fullScreenMovieView) : *mainMovieView).stop();
    lastPlaydMedia = nullptr;
    visibleMovie.reset();
    mainMovieView->setMovie(nullptr);
    fullScreenMovieView->setMovie(nullptr);
    failuresInARow = 0;

    play->setImage(palyButtonImageControllPanel);
    playButtonControllPanel->setImage(palyButtonImageControllPanel);
    clearTimeDisplay();
    mainMovieView->setHidden(true);
    mainMovieView->display();
    inImageView->setImage(nullptr);
    inImageView->display();

    // Every list that refers to items goes before the items themselves; the search list
    // too, so that no list is left pointing at a freed item.
    allMedias.clear();
    medias.clear();
    searchMedias.clear();
    wholeLists.forget();
    mediasVisible.clear();
    generes.clear();
    artists.clear();
    albums.clear();
    state.playLists.clear();
    copyRunSummary.clear();
    genereTableView->deselectAll();
    updateUI();

    korvida::TunesRead read = readAhead.read(state.iPodPath);
    korvida::DatabaseProblems& problems = read.problems;
    mediasVisible = std::move(read.library.mediasVisible);
    state.playLists = std::move(read.library.playLists);
    if (korvida::hasPhotos(state.iPodPath))
        getPictTags(&problems);

    // The device's own name: the folder that was dropped, where a player is mounted.
    const std::string name = korvida::lastPathComponent(state.iPodPath);
    corentlyPlaing->setStringValue(name);
    inImage = services.images.iconForFile(state.iPodPath);
    if (inImage) {
        const korvida::Size window = mainWindow->frame().size;
        inImage->setSize(korvida::getImageRess(
            *inImage, korvida::makeRect(550.0f, 105.0f, window.width - 564.0f, window.height - 120.0f)));
    }
    inImageView->setImageScaling(korvida::ImageScaling::Proportionally);
    inImageView->setImage(inImage);
    mainWindow->setTitle(name);
    playerWatch.opened(state.iPodPath);
    // Nothing of the new player is tagged yet.
    showTagCount();

    allButton(nullptr);
    tellDatabaseProblems(problems);
}

void MainApp::getPictTags(korvida::DatabaseProblems* problems)
{
    Library library{std::move(mediasVisible), std::move(state.playLists)};
    korvida::readPhotos(state.iPodPath, library, problems);
    mediasVisible = std::move(library.mediasVisible);
    state.playLists = std::move(library.playLists);
}

void MainApp::tellDatabaseProblems(const korvida::DatabaseProblems& problems)
{
    if (problems.empty())
        return;
    // Named from the player's folder, as the user knows them.
    std::string message;
    for (const korvida::DatabaseProblem& problem : problems)
        message += problem.path.substr(std::min(problem.path.size(), state.iPodPath.size() + 1)) + " " +
            korvida::describe(problem) + ".\n";
    services.alert.runAlertPanel("Part of the player could not be read",
                                 message + "\nEverything else on the player is shown.", "OK", "", "");
}
