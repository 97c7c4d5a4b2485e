// The window's actions timed end to end on a real X display: the program's window is shown
// as the user sees it, each action is a real click or key sent through the X server
// (XTest) by the repaint timer `xclick_repaint`, which reports the seconds from the input
// to the last repaint of the window that follows it. Every action runs several times, so
// that each run changes what is shown (All after Music, a playlist after "Music/Movies").
//
//   real_window_bench PLAYER_FOLDER XCLICK_REPAINT [RUNS]
//
// Needs DISPLAY (Xvfb at 1440 x 900 will do) and xdotool for the control key. Prints one
// line an action: its name and the time of each run in milliseconds.
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "qt/desktop_app.h"
#include "qt/main_window.h"

namespace {

using korvida::qt::DesktopApp;

// Keeps the event loop turning for a while, so the window paints and the program settles.
void turn(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs a program while the window goes on painting; answers what it printed.
QString runAlongside(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    loop.exec();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

class RealWindow {
public:
    RealWindow(const QString& player, QString timer) : timer(std::move(timer))
    {
        desktop = std::make_unique<DesktopApp>(
            korvida::qt::DesktopPaths{folder.filePath("korvida.ini"), folder.filePath("cache")});
        desktop->launch();
        desktop->openFolder(player);
        while (desktop->controller().mediasVisible.empty())
            turn(50);
        turn(1500);
    }

    ~RealWindow()
    {
        // The controls go before the library they show.
        desktop.reset();
    }

    template <typename W>
    W* widget(const char* outlet) const
    {
        return desktop->interface().mainWindow->findChild<W*>(QString::fromLatin1(outlet));
    }

    // A click at a point of a widget; answers the milliseconds to the last repaint.
    double click(QWidget* target, QPoint point)
    {
        const QPoint screen = target->mapToGlobal(point);
        return measured({windowId(), QString::number(screen.x()), QString::number(screen.y())});
    }

    // A click in the middle of a button or a field.
    double clickButton(const char* outlet)
    {
        auto* button = widget<QWidget>(outlet);
        return click(button, button->rect().center());
    }

    double clickRow(const char* outlet, int row)
    {
        auto* table = widget<QTableView>(outlet);
        // A row the list has scrolled away from is brought back first, untimed.
        table->scrollTo(table->model()->index(row, 0));
        turn(100);
        const int column = table->horizontalHeader()->logicalIndexAt(table->viewport()->width() / 2);
        return click(table->viewport(), table->visualRect(table->model()->index(row, column)).center());
    }

    double clickHeader(const char* outlet, int section)
    {
        QHeaderView* header = widget<QTableView>(outlet)->horizontalHeader();
        return click(
            header->viewport(),
            QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2));
    }

    // A key typed where the focus is, with the control key held for `control`.
    double key(const char* keysym, bool control = false)
    {
        if (control)
            runAlongside(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("ctrl")});
        const double time = measured({QStringLiteral("key"), windowId(), QString::fromLatin1(keysym)});
        if (control)
            runAlongside(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("ctrl")});
        return time;
    }

private:
    QString windowId() const { return QString::number(desktop->interface().mainWindow->winId()); }

    double measured(const QStringList& arguments)
    {
        const QString printed = runAlongside(timer, arguments);
        bool read = false;
        const double seconds = printed.toDouble(&read);
        return read ? seconds * 1000.0 : -1.0;
    }

    QTemporaryDir folder;
    QString timer;
    std::unique_ptr<DesktopApp> desktop;
};

void report(const char* action, const std::vector<double>& times)
{
    std::printf("%-28s", action);
    for (const double time : times)
        std::printf(" %6.0f", time);
    std::printf("  ms\n");
    std::fflush(stdout);
}

// Runs `timed` `runs` times, each after `before` has set the window up; prints the times.
template <typename Before, typename Timed>
void action(const char* name, int runs, Before before, Timed timed)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        before();
        times.push_back(timed());
    }
    report(name, times);
}

void nothing()
{}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: real_window_bench PLAYER_FOLDER XCLICK_REPAINT [RUNS]\n");
        return 2;
    }
    QApplication application(argc, argv);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    RealWindow w(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));

    w.clickButton("allFilterButton");
    w.clickButton("searchField");
    // "r" begins a share of the titles: the list shrinks to them, sorted, and grows back.
    action(
        "search letter into empty", runs, [&] { w.key("BackSpace"); }, [&] { return w.key("r"); });
    action(
        "search letter out to empty", runs,
        [&] {
            w.key("BackSpace");
            w.key("r");
        },
        [&] { return w.key("BackSpace"); });

    action("header sort by name", runs, nothing, [&] { return w.clickHeader("mediaTableView", 1); });
    action(
        "All", runs, [&] { w.clickButton("musicFilterButton"); }, [&] { return w.clickButton("allFilterButton"); });
    action(
        "Music", runs, [&] { w.clickButton("allFilterButton"); }, [&] { return w.clickButton("musicFilterButton"); });
    w.clickButton("allFilterButton");
    action(
        "Select All", runs, [&] { w.clickRow("mediaTableView", 2); }, [&] { return w.clickButton("selectAllButton"); });
    action(
        "Ctrl+A", runs, [&] { w.clickRow("mediaTableView", 2); }, [&] { return w.key("a", true); });
    w.clickButton("selectAllButton");
    action(
        "Tag", runs, [&] { w.clickButton("untagButton"); }, [&] { return w.clickButton("tagButton"); });
    action(
        "Untag", runs, [&] { w.clickButton("tagButton"); }, [&] { return w.clickButton("untagButton"); });
    action(
        "playlist", runs, [&] { w.clickRow("playListsTableView", 0); },
        [&] { return w.clickRow("playListsTableView", 1); });
    action(
        "Music/Movies playlist", runs, [&] { w.clickRow("playListsTableView", 1); },
        [&] { return w.clickRow("playListsTableView", 0); });
    w.clickButton("allFilterButton");
    action(
        "genre", runs, [&] { w.clickRow("genereTableView", 0); }, [&] { return w.clickRow("genereTableView", 6); });
    action(
        "genre All", runs, [&] { w.clickRow("genereTableView", 6); }, [&] { return w.clickRow("genereTableView", 0); });
    return 0;
}
