// From `playButton:` on a row not played before to the backend playing it: the position of a
// tune or film has moved, a still picture is shown running. Runs the real window offscreen
// on the demo player's own files.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

#include "qt/desktop_app.h"
#include "tools/demo_device.h"

namespace {

namespace fs = std::filesystem;

struct DemoWindow {
    QTemporaryDir folder;
    std::unique_ptr<korvida::qt::DesktopApp> desktop;

    DemoWindow()
    {
        const fs::path root = fs::path(folder.path().toStdString()) / "DEMO";
        const auto demo = korvida::demo::demoDevice();
        for (const auto& file : demo.files) {
            fs::create_directories((root / file.place).parent_path());
            fs::copy_file(fs::path(KORVIDA_SOURCE_DIR "/demo/assets") / file.asset, root / file.place);
        }
        korvida::devicewriter::writeDevice(root, demo.device);
        desktop = std::make_unique<korvida::qt::DesktopApp>(
            korvida::qt::DesktopPaths{folder.filePath("korvida.ini"), folder.filePath("cache")});
        desktop->launch();
        desktop->openFolder(QString::fromStdString(root.string()));
        desktop->controller().doChecks();
    }
};

DemoWindow& demoWindow()
{
    static int argc = 1;
    static char name[] = "playback_start_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    static DemoWindow window;
    return window;
}

// The rows of the items of one kind whose path ends so.
std::vector<int> rowsOf(MainApp& app, int type, const std::string& ending)
{
    std::vector<int> rows;
    for (std::size_t row = 0; row < app.medias.size(); ++row) {
        if (app.medias[row]->getMediaType() == type && app.medias[row]->getPath().ends_with(ending))
            rows.push_back(static_cast<int>(row));
    }
    return rows;
}

void startPlaying(benchmark::State& state, int type, const char* ending)
{
    MainApp& app = demoWindow().desktop->controller();
    const std::vector<int> rows = rowsOf(app, type, ending);
    if (rows.empty()) {
        state.SkipWithError("no such item on the demo player");
        return;
    }
    // Alternates with another row, so that every press loads an item anew.
    const int other = type == InMedia::kMusic ? rowsOf(app, InMedia::kPhoto, "")[0]
                                              : rowsOf(app, InMedia::kMusic, ".mp3")[0];
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        app.mediaTableView->selectRow(other, false);
        app.playing = false;
        app.playButton(nullptr);
        app.mediaTableView->selectRow(rows[next++ % rows.size()], false);
        app.playing = false;
        state.ResumeTiming();

        app.playButton(nullptr);
        QElapsedTimer clock;
        clock.start();
        const auto movie = app.visibleMovie;
        while (clock.elapsed() < 10000 && !(type == InMedia::kPhoto ? movie->rate() > 0.0f : movie->getMovieTime() > 0))
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void BM_PlayTune(benchmark::State& state)
{
    startPlaying(state, InMedia::kMusic, ".mp3");
}
void BM_PlayFilm(benchmark::State& state)
{
    startPlaying(state, InMedia::kMovie, ".m4v");
}
void BM_PlayPhoto(benchmark::State& state)
{
    startPlaying(state, InMedia::kPhoto, "");
}

} // namespace

BENCHMARK(BM_PlayTune)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PlayFilm)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_PlayPhoto)->Unit(benchmark::kMillisecond)->Iterations(10);
