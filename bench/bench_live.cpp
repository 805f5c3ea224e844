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
    kelvo_controller_class kelvo;
    if (!goLive(kelvo, bus, "bench_live"))
        return 1;

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < values; ++i)
        kelvo.send_new_val(i % SCENE_SIZE, i & 0xFF);
    const qint64 totalNs = timer.nsecsElapsed();

    reportPerValue("live values sent:", values, totalNs, bus);
    return 0;
}
