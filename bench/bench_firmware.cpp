// A whole firmware upgrade and verify against the simulated controller without latency, on the
// real clock. Prints, for each, the wall time divided by the waits the protocol mandates (one
// 100 ms pause after each of the 256 blocks), and the USB transactions per block.

#include "benchsupport.h"
#include "controller/kelvo_controller_class.h"
#include "simulator/simulatedbus.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_firmware FILE.upg (build/bin/KelvoDemo_v_1_05a.upg)\n");
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);
    CountingClock clock;
    Clock *previousClock = Clock::install(&clock);
    SilentPrompts silent;
    Prompts *previousPrompts = Prompts::install(&silent);

    SimulatedBus bus;
    SimulatedController &device = bus.addController(QStringLiteral("KLV00000001"));
    device.version = {1, 5, 'a'};
    kelvo_controller_class kelvo;
    kelvo.setUsbBackend(&bus);
    kelvo.setConnection(true);

    bool ok = kelvo.connected;
    for (const bool upgrade : {true, false}) {
        kelvo.usbDevice.transactionLog().clear();
        QElapsedTimer timer;
        timer.start();
        kelvo.upgradeFirmware(file, upgrade);
        const qint64 wall = timer.elapsed();
        const int transactions = kelvo.usbDevice.transactionLog().countTransfers();
        const double mandated = 256 * 100.0;
        std::printf("firmware %s: %lld ms wall, ratio %.3f to 256 x 100 ms, %.2f USB transactions "
                    "per block (%d in all), %s\n",
                    upgrade ? "upgrade" : "verify ", qlonglong(wall), double(wall) / mandated,
                    transactions / 256.0, transactions, qPrintable(silent.last));
        ok = ok
            && silent.last
                == (upgrade ? QStringLiteral("Upgrade sucessfull !")
                            : QStringLiteral("Verify successfull !"));
    }
    Prompts::install(previousPrompts);
    Clock::install(previousClock);
    return ok ? 0 : 1;
}
