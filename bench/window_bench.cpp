// The window's work at 50,000 items, end to end: the user's action on the real widget (a
// button, a row, a key, a header, a check box), the controller, the table models and
// bindings, and the repaint of the whole window, under Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDropEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_library.h"
#include "bench_players.h"
#include "qt/desktop_app.h"
#include "qt/main_window.h"
#include "support/temp_dir.h"

namespace {

using korvida::qt::DesktopApp;

constexpr int kPlayListMembers = 5000;

QApplication& application()
{
    static int argc = 1;
    static char name[] = "window_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// The device entry, "Photos" and one playlist of every tenth item.
void addPlayLists(MainApp& app)
{
    auto entry = [&app](const std::string& name, bool summary) -> PlayList& {
        auto list = std::make_unique<PlayList>();
        list->setListName(name);
        list->setIsSubList(summary);
        app.state.playLists.push_back(std::move(list));
        return *app.state.playLists.back();
    };
    entry("Music/Movies", true);
    PlayList& mix = entry("Long mix", false);
    for (int i = 0; i < kPlayListMembers; ++i)
        mix.addMedia(app.mediasVisible[static_cast<std::size_t>(i) * 10 + 1].get());
    entry("Photos", true);
}

// The program with the generated library read, its window shown at 1280 x 800.
class Window {
public:
    Window()
    {
        application();
        desktop = std::make_unique<DesktopApp>(
            korvida::qt::DesktopPaths{QString::fromStdString((folder.path() / "korvida.ini").string()),
                                      QString::fromStdString((folder.path() / "cache").string())});
        desktop->launch();
        desktop->interface().mainWindow->resize(1280, 800);
        MainApp& app = desktop->controller();
        korvida::bench::fillLibrary(app);
        addPlayLists(app);
        app.allButton(nullptr);
        app.updateUI();
        settle();
    }

    ~Window()
    {
        // The controls go before the library they show.
        desktop.reset();
    }

    MainApp& app() { return desktop->controller(); }

    template <typename W>
    W* widget(const char* outlet) const
    {
        return desktop->interface().mainWindow->findChild<W*>(QString::fromLatin1(outlet));
    }

    // Everything the action left for later, then the window painted.
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        desktop->interface().mainWindow->repaint();
    }

    void clickButton(const char* outlet)
    {
        widget<QAbstractButton>(outlet)->click();
        settle();
    }

    void clickRow(const char* outlet, int row, int column = 0)
    {
        auto* table = widget<QTableView>(outlet);
        const QRect cell = table->visualRect(table->model()->index(row, column));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        settle();
    }

    void clickHeader(const char* outlet, int section)
    {
        QHeaderView* header = widget<QTableView>(outlet)->horizontalHeader();
        const QPoint middle(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, middle);
        settle();
    }

    // A folder dragged from the file manager and dropped on the widget.
    void dropFolder(const char* outlet, const std::string& folder)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder))});
        QWidget* target = widget<QWidget>(outlet);
        const QPoint middle = target->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    void press(const char* outlet, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(widget<QWidget>(outlet), key, modifiers);
        settle();
    }

private:
    TempDir folder;
    std::unique_ptr<DesktopApp> desktop;
};

Window& window()
{
    static Window shown;
    return shown;
}

void BM_TypeButton(benchmark::State& state, const char* outlet)
{
    Window& w = window();
    for (auto _ : state) {
        w.clickButton(outlet);
        state.PauseTiming();
        w.clickButton(outlet == std::string("allFilterButton") ? "musicFilterButton" : "allFilterButton");
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(w.app().medias.size());
}
BENCHMARK_CAPTURE(BM_TypeButton, all, "allFilterButton")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeButton, music, "musicFilterButton")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeButton, movies, "movieFilterButton")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypeButton, pictures, "pictureFilterButton")->Unit(benchmark::kMillisecond);

// A row of a browser column, after the columns have been brought back to "All".
void BM_ColumnClick(benchmark::State& state, const char* outlet, int row)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    if (std::string(outlet) == "albumTableView")
        w.clickRow("artistTableView", 3);
    for (auto _ : state)
        w.clickRow(outlet, row);
    state.counters["rows"] = static_cast<double>(w.app().medias.size());
}
BENCHMARK_CAPTURE(BM_ColumnClick, genre_all, "genereTableView", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColumnClick, genre, "genereTableView", 7)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColumnClick, artist, "artistTableView", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ColumnClick, album, "albumTableView", 1)->Unit(benchmark::kMillisecond);

void BM_PlayListClick(benchmark::State& state, int row)
{
    Window& w = window();
    for (auto _ : state)
        w.clickRow("playListsTableView", row);
    state.counters["rows"] = static_cast<double>(w.app().medias.size());
}
BENCHMARK_CAPTURE(BM_PlayListClick, music_and_movies, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlayListClick, playlist, 1)->Unit(benchmark::kMillisecond);

// One key typed into the search field over every item, then taken back: both keystrokes
// are timed.
void BM_SearchKeystroke(benchmark::State& state)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    for (auto _ : state) {
        w.press("searchField", Qt::Key_S);
        w.press("searchField", Qt::Key_Backspace);
    }
    state.counters["keystrokes_per_iteration"] = 2;
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

void BM_HeaderSort(benchmark::State& state, int section)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    for (auto _ : state)
        w.clickHeader("mediaTableView", section);
}
BENCHMARK_CAPTURE(BM_HeaderSort, name, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeaderSort, artist, 2)->Unit(benchmark::kMillisecond);

// Every row of the media table (all items) selected, tagged and untagged.
void BM_SelectAll(benchmark::State& state)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    for (auto _ : state)
        w.clickButton("selectAllButton");
    state.counters["selected"] = static_cast<double>(w.app().mediaTableView->numberOfSelectedRows());
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMillisecond);

void BM_SelectAllKeys(benchmark::State& state)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    for (auto _ : state)
        w.press("mediaTableView", Qt::Key_A, Qt::ControlModifier);
    state.counters["selected"] = static_cast<double>(w.app().mediaTableView->numberOfSelectedRows());
}
BENCHMARK(BM_SelectAllKeys)->Unit(benchmark::kMillisecond);

void BM_TagSelected(benchmark::State& state, const char* outlet)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    w.clickButton("selectAllButton");
    for (auto _ : state)
        w.clickButton(outlet);
    state.counters["selected"] = static_cast<double>(w.app().mediaTableView->numberOfSelectedRows());
}
BENCHMARK_CAPTURE(BM_TagSelected, tag, "tagButton")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TagSelected, untag, "untagButton")->Unit(benchmark::kMillisecond);

// The check box of the first row, ticked and cleared by clicks, in the list of every item
// and in the Pictures view; both clicks are timed.
void BM_CheckBoxTick(benchmark::State& state, const char* filter)
{
    Window& w = window();
    w.clickButton(filter);
    for (auto _ : state) {
        w.clickRow("mediaTableView", 0);
        w.clickRow("mediaTableView", 0);
    }
    state.counters["ticks_per_iteration"] = 2;
}
BENCHMARK_CAPTURE(BM_CheckBoxTick, all, "allFilterButton")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckBoxTick, pictures, "pictureFilterButton")->Unit(benchmark::kMillisecond);

// The one-second tick with every item listed and selected.
void BM_Tick(benchmark::State& state)
{
    Window& w = window();
    w.clickButton("allFilterButton");
    w.clickButton("selectAllButton");
    for (auto _ : state) {
        w.app().doChecks();
        w.settle();
    }
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMillisecond);

// A player dropped on the window's picture, read at the tick and shown: the time from the
// drop to the tables painted, without the wait for the tick (up to a second). The player is
// the generated one of 50,000 tracks, or the folder KORVIDA_BENCH_PLAYER names. It runs
// last, as it replaces the library the other benchmarks share.
void BM_DropPlayer(benchmark::State& state)
{
    Window& w = window();
    const char* chosen = std::getenv("KORVIDA_BENCH_PLAYER");
    const std::string player = chosen ? chosen : korvida::bench::syntheticDevice().path();
    for (auto _ : state) {
        w.dropFolder("inImageView", player);
        w.app().doChecks();
        w.settle();
    }
    state.counters["items"] = static_cast<double>(w.app().mediasVisible.size());
    state.counters["rows"] = static_cast<double>(w.app().medias.size());
}
BENCHMARK(BM_DropPlayer)->Unit(benchmark::kMillisecond);

} // namespace
