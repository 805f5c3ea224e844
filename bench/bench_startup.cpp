// How long the main window takes to appear against a bare Qt window, offscreen, as medians and
// their ratio:
// - from the start of a process to the window's first paint (what a user waits for), a process
//   of each kind started N times in turn: the program's whole start-up on the demo's simulated
//   bus against a program that shows a bare window;
// - the window alone built, shown and painted N times in one process.
//
// "Appears" is the same point for both: constructed, shown, and the window's first paint event
// delivered (its children are painted in the same pass).

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

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]) / 1e6;
}

} // namespace

// A child process that shows one window and ends: "--child program" or "--child bare".
int child(const QByteArray &kind, int argc, char *argv[]);

// Starts this program as a child of the kind and waits for it; the wall time, or -1. Spawned and
// waited for directly: QProcess adds a wake-up of its own that hides a few milliseconds.
qint64 childNs(const QString &self, const QString &kind)
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
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return timer.nsecsElapsed();
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
    const QString self = QCoreApplication::applicationFilePath();
    childNs(self, QStringLiteral("program")); // the first start reads the files from disk
    childNs(self, QStringLiteral("bare"));
    for (int i = 0; i < runs; ++i) {
        programStarts.push_back(childNs(self, QStringLiteral("program")));
        bareStarts.push_back(childNs(self, QStringLiteral("bare")));
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
    controller = &kelvo;

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
    controller = nullptr;
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
