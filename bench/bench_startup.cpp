// How long the main window takes to appear against a bare Qt window, offscreen, as medians and
// their ratio:
// - from the start of a process to the window's first paint (what a user waits for), a process
//   of each kind started N times in turn: the program's whole start-up on the demo's simulated
//   bus against a program that shows a bare window;
// - the window alone built, shown and painted N times in one process.
//
// "Appears" is the same point for both: constructed, shown, and the window's first paint event
// delivered (its children are painted in the same pass). With the starts, the peak resident
// memory of each kind of process (the child's ru_maxrss, as medians).

#include "benchsupport.h"
#include "controller/kelvo_controller_class.h"
#include "shell/appstate.h"
#include "shell/gui_class.h"
#include "shell/startup.h"
#include "simulator/simulatedbus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

// Notices the first paint event of the window it watches.
class FirstPaint : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        painted |= event->type() == QEvent::Paint;
        return false;
    }
};

// Shows the window and returns once its first paint event was delivered.
void showUntilPainted(QWidget &window)
{
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    while (!paint.painted)
        QCoreApplication::processEvents();
    window.removeEventFilter(&paint);
}

// Ends the process once the main window's first paint is done: its paint event comes first, its
// children are painted in the same pass, and the queued call runs after that pass.
class FirstMainWindowPaint : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<gui_class *>(watched) && !seen) {
            seen = true;
            QMetaObject::invokeMethod(
                qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen = false;
};

template<class Build> qint64 appearNs(Build build)
{
    QElapsedTimer timer;
    timer.start();
    {
        auto window = build();
        showUntilPainted(*window);
    }
    QCoreApplication::processEvents(); // deferred deletes, so that the next run starts clean
    return timer.nsecsElapsed();
}

// The program's window, as start-up builds it.
std::unique_ptr<gui_class> programWindow(kelvo_controller_class &kelvo)
{
    languageTable.clear();
    auto window = std::make_unique<gui_class>(kelvo);
    mainWindow = window.get();
    kelvo.dialogParent = window.get();
    return window;
}

// A bare window of the same size with a menu bar, a central widget and a status bar.
std::unique_ptr<QMainWindow> bareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("&File"));
    window->setCentralWidget(new QLabel(QStringLiteral("KelvoDesk")));
    window->statusBar();
    window->resize(1024, 749);
    return window;
}

qint64 median(std::vector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double medianMs(const std::vector<qint64> &ns)
{
    return double(median(ns)) / 1e6;
}

} // namespace

// A child process that shows one window and ends: "--child program" or "--child bare".
int child(const QByteArray &kind, int argc, char *argv[]);

// Starts this program as a child of the kind and waits for it; the wall time, or -1, and the
// child's peak resident memory in KiB. Spawned and waited for directly: QProcess adds a wake-up of
// its own that hides a few milliseconds.
qint64 childNs(const QString &self, const QString &kind, qint64 *peakKiB = nullptr)
{
    const QByteArray program = QFile::encodeName(self);
    const QByteArray kindArgument = kind.toLatin1();
    char *const argv[] = {const_cast<char *>(program.constData()), const_cast<char *>("--child"),
                          const_cast<char *>(kindArgument.constData()), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    const qint64 elapsed = timer.nsecsElapsed();
    if (peakKiB)
        *peakKiB = usage.ru_maxrss;
    return elapsed;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return child(argv[2], argc, argv);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 40;

    std::vector<qint64> programStarts;
    std::vector<qint64> bareStarts;
    std::vector<qint64> programPeaks;
    std::vector<qint64> barePeaks;
    const QString self = QCoreApplication::applicationFilePath();
    childNs(self, QStringLiteral("program")); // the first start reads the files from disk
    childNs(self, QStringLiteral("bare"));
    for (int i = 0; i < runs; ++i) {
        qint64 peak = 0;
        programStarts.push_back(childNs(self, QStringLiteral("program"), &peak));
        programPeaks.push_back(peak);
        bareStarts.push_back(childNs(self, QStringLiteral("bare"), &peak));
        barePeaks.push_back(peak);
    }
    if (std::count(programStarts.cbegin(), programStarts.cend(), -1)
        || std::count(bareStarts.cbegin(), bareStarts.cend(), -1)) {
        std::fprintf(stderr, "bench_startup: a child process failed\n");
        return 1;
    }

    SilentPrompts silent;
    Prompts *previousPrompts = Prompts::install(&silent);
    SimulatedBus bus;
    kelvo_controller_class kelvo;
    kelvo.setUsbBackend(&bus);

    const auto program = [&] {
        return programWindow(kelvo);
    };
    const auto bare = bareWindow;

    // One of each first: fonts, styles and plugins are loaded once, for whichever comes first.
    appearNs(program);
    appearNs(bare);
    std::vector<qint64> programNs;
    std::vector<qint64> bareNs;
    for (int i = 0; i < runs; ++i) {
        programNs.push_back(appearNs(program));
        bareNs.push_back(appearNs(bare));
    }
    mainWindow = nullptr;
    Prompts::install(previousPrompts);

    const double windowMs = medianMs(programNs);
    const double bareMs = medianMs(bareNs);
    const double programStartMs = medianMs(programStarts);
    const double bareStartMs = medianMs(bareStarts);
    std::printf("runs of each:                                %d\n", runs);
    std::printf("process start to first paint, median ms\n");
    std::printf("  main window:                               %.2f\n", programStartMs);
    std::printf("  bare window:                               %.2f\n", bareStartMs);
    std::printf("  main window / bare window:                 %.2f\n",
                programStartMs / bareStartMs);
    const double programPeak = double(median(programPeaks)) / 1024.0;
    const double barePeak = double(median(barePeaks)) / 1024.0;
    std::printf("peak resident memory of the process, median MiB\n");
    std::printf("  main window:                               %.1f\n", programPeak);
    std::printf("  bare window:                               %.1f\n", barePeak);
    std::printf("  main window / bare window:                 %.2f\n", programPeak / barePeak);
    std::printf("window built, shown and painted once in one process, median ms\n");
    std::printf("  main window:                               %.2f\n", windowMs);
    std::printf("  bare window:                               %.2f\n", bareMs);
    std::printf("  main window / bare window:                 %.2f\n", windowMs / bareMs);
    return 0;
}

// The child ends at once after the first paint: tearing down is not part of appearing.
int child(const QByteArray &kind, int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (kind == "bare") {
        auto window = bareWindow();
        showUntilPainted(*window);
        std::_Exit(0);
    }
    // The program's own start-up (languages, parameters file, controller, window) on the demo's
    // simulated bus, ended at the main window's first paint.
    SilentPrompts silent;
    Prompts::install(&silent);
    SimulatedBus bus;
    bus.addController(QStringLiteral("KLV00000001"));
    FirstMainWindowPaint paint;
    app.installEventFilter(&paint);
    StartupSeams seams;
    seams.usb = &bus;
    return runKelvoDesk(seams);
}
