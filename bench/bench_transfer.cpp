// A whole configuration read and write against the simulated controller without latency, on
// the real clock. Prints, for each, the wall time divided by the waits the protocol itself made
// (a read: one 100 ms pause before each of the 41 blocks), and the USB transactions it took.

#include "benchsupport.h"
#include "controller/kelvo_controller_class.h"
#include "simulator/simulatedbus.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

struct Figures
{
    qint64 wallMs;
    qint64 sleptMs;
    int transactions;
};

template<class Job> Figures measure(kelvo_controller_class &kelvo, CountingClock &clock, Job job)
{
    kelvo.usbDevice.transactionLog().clear();
    clock.slept = 0;
    QElapsedTimer timer;
    timer.start();
    job();
    return {timer.elapsed(), clock.slept, kelvo.usbDevice.transactionLog().countTransfers()};
}

void print(const char *name, const Figures &f)
{
    std::printf("%s: %lld ms wall, %lld ms of protocol waits, ratio %.3f, %d USB transactions\n",
                name, qlonglong(f.wallMs), qlonglong(f.sleptMs),
                f.sleptMs ? double(f.wallMs) / double(f.sleptMs) : 0.0, f.transactions);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CountingClock clock;
    Clock *previousClock = Clock::install(&clock);
    SilentPrompts silent;
    Prompts *previousPrompts = Prompts::install(&silent);

    SimulatedBus bus;
    bus.addController(QStringLiteral("KLV00000001"));
    kelvo_controller_class kelvo;
    kelvo.setUsbBackend(&bus);
    kelvo.setConnection(true);
    if (!kelvo.connected) {
        std::fprintf(stderr, "bench_transfer: the simulated controller did not connect\n");
        return 1;
    }

    const Figures read = measure(kelvo, clock, [&] { kelvo.read_alldata(); });
    const bool readOk = silent.last.contains(QStringLiteral("Sucessfull"));
    const Figures write = measure(kelvo, clock, [&] { kelvo.send_alldata(); });
    const bool writeOk = kelvo.connected && silent.last.contains(QStringLiteral("Sucessfull"));
    print("configuration read ", read);
    print("configuration write", write);

    Prompts::install(previousPrompts);
    Clock::install(previousClock);
    if (!readOk || !writeOk) {
        std::fprintf(stderr, "bench_transfer: a transfer failed\n");
        return 1;
    }
    return 0;
}
