// The program's own cost of one live channel value: from send_new_val to the transfer handed to
// the USB backend, against the simulated controller without latency. Prints USB transactions
// per value and microseconds per value, with the time spent inside the backend taken out.

#include "benchsupport.h"
#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "simulator/simulatedbus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int values = argc > 1 ? QByteArray(argv[1]).toInt() : 200000;

    TimedBus bus;
    bus.addController(QStringLiteral("KLV00000001"));
    kelvo_controller_class kelvo;
    kelvo.setUsbBackend(&bus);
    // Keep the in-memory log from growing with the run; the logging itself stays in the path.
    kelvo.usbDevice.transactionLog().capacity = 1000;
    kelvo.setConnection(true);
    if (!kelvo.connected
        || kelvo.ch_mode(kelvo_controller_class::RequestedLive)
            != kelvo_controller_class::RequestedLive) {
        std::fprintf(stderr, "bench_live: the simulated controller did not go live\n");
        return 1;
    }

    bus.insideNs = 0;
    bus.transfers = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < values; ++i)
        kelvo.send_new_val(i % SCENE_SIZE, i & 0xFF);
    const qint64 totalNs = timer.nsecsElapsed();

    const double perValueUs = double(totalNs) / values / 1000.0;
    const double backendUs = double(bus.insideNs) / values / 1000.0;
    std::printf("live values sent:                  %d\n", values);
    std::printf("USB transactions per value:        %.3f\n", double(bus.transfers) / values);
    std::printf("microseconds per value, total:     %.3f\n", perValueUs);
    std::printf("  inside the simulated controller: %.3f\n", backendUs);
    std::printf("  the program's own:               %.3f\n", perValueUs - backendUs);
    return 0;
}
