// The program with one simulated controller on a simulated USB bus instead of libusb: for trying
// it out and showing it without a controller at hand.

#include "shell/startup.h"
#include "simulatedbus.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SimulatedBus bus;
    // Transfers take as long as on a full-speed device.
    bus.controlLatencyMs = 1;
    bus.bulkLatencyMs = 1;
    bus.addController(QStringLiteral("KLV00000001"));
    return runKelvoDesk({&bus});
}
