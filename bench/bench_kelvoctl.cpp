// kelvoctl backup and restore of one controller, in-process against the simulated controller
// without latency, on the real clock. Prints each command's wall time divided by the waits the
// protocol itself made (a read: one 100 ms pause before each of the 41 blocks), so that what the
// command adds around the protocol shows: discovery, checks, the file, the restart.

#include "benchsupport.h"
#include "kelvoctl/commandtable.h"
#include "model/configlayout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

bool measure(const char *name, SimulatedBus &bus, CountingClock &clock, const QStringList &args)
{
    BufferConsole console;
    Kelvoctl::Environment environment;
    environment.usb = &bus;
    clock.slept = 0;
    QElapsedTimer timer;
    timer.start();
    const int status
        = Kelvoctl::run(QStringList {QStringLiteral("kelvoctl")} + args, console, environment);
    const qint64 wallMs = timer.elapsed();
    if (status != 0) {
        std::fprintf(stderr, "bench_kelvoctl: %s failed (%d): %s", name, status,
                     qPrintable(console.errors));
        return false;
    }
    std::printf("%-8s %lld ms wall, %lld ms of protocol waits, ratio %.3f\n", name,
                qlonglong(wallMs), qlonglong(clock.slept),
                clock.slept ? double(wallMs) / double(clock.slept) : 0.0);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    CountingClock clock;
    Clock::install(&clock);

    SimulatedBus bus;
    SimulatedController &c = bus.addController(QStringLiteral("KLV00000001"));
    QRandomGenerator random(7);
    std::generate(c.configuration.begin(), c.configuration.end(),
                  [&] { return u8(random.bounded(256)); });
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("box.cfgkv"));

    const bool ok = measure("backup", bus, clock, {"backup", "-o", file, "--quiet"})
        && measure("restore", bus, clock, {"restore", file, "--yes", "--quiet"});
    Clock::install(nullptr);
    return ok ? 0 : 1;
}
