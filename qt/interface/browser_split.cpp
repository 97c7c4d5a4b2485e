#include "qt/interface/browser_split.h"

#include <QSplitter>

#include <algorithm>

#include "qt/main_window.h"
#include "qt/widgets/flipped_container.h"

namespace korvida::qt {

void splitFromMediaArea(MainApp& app, FlippedContainer* area, QWidget* browser, MainInterface& ui, QSize minimum)
{
    auto* split = new QSplitter(Qt::Horizontal, area);
    split->setObjectName(QStringLiteral("browserSplit"));
    split->setChildrenCollapsible(false);
    split->addWidget(browser);
    auto* mediaPane = new QWidget;
    mediaPane->setMinimumWidth(static_cast<int>(kMinimumMediaWidth));
    mediaPane->setAttribute(Qt::WA_TransparentForMouseEvents);
    split->addWidget(mediaPane);
    split->setStretchFactor(1, 1);
    split->lower();
    QObject::connect(split, &QSplitter::splitterMoved, split,
                     [&app](int position) { app.browserSplitMoved(static_cast<float>(position)); });
    // The splitter fills the window; the browser takes the chosen width where the window
    // leaves room for it, and the controller learns the width shown. Then the media area
    // follows.
    auto follow = [&app, area, split, &ui] {
        split->setGeometry(0, 0, area->width(), area->height());
        const int width = static_cast<int>(app.browserWidth);
        split->setSizes({width, std::max(0, area->width() - width)});
        app.shownBrowserWidth = static_cast<float>(split->sizes().value(0, width));
        if (ui.afterResize)
            ui.afterResize();
    };
    area->onResized = follow;
    ui.followBrowserWidth = follow;
    // No smaller than both sides at their narrowest, so that nothing overlaps.
    ui.mainWindow->setMinimumSize(std::max(minimum.width(), split->minimumSizeHint().width()),
                                  std::max(minimum.height(), split->minimumSizeHint().height()));
    follow();
}

} // namespace korvida::qt
