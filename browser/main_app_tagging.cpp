// Tagging the selected rows of the main media table, and the line of tagged counts.
#include "app/main_app.h"
#include "browser/tag_count.h"

void MainApp::tagSelectedButton(korvida::Button* sender)
{
    // The button's tag, its low 8 bits as a flag: 1 tags, 0 untags.
    const bool tag = sender != nullptr && static_cast<std::uint8_t>(sender->tag()) != 0;
    const std::set<int> selected = mediaTableView->selectedRowIndexes();
    for (std::size_t i = 0; i < medias.size(); ++i)
        if (selected.contains(static_cast<int>(i)))
            medias[i]->setTaged(tag);
    mediaTableView->reloadData();
    showTagCount();
}

void MainApp::selectedAllMediaButton(korvida::Button* /*sender*/)
{
    mediaTableView->selectAll();
}

void MainApp::showTagCount()
{
    mediaTaged->setStringValue(korvida::tagCountText(mediasVisible));
}
