#include "unplugsweep.h"

#include <QTest>

namespace UnplugSweep {

void arm(SimulatedBus &bus, SimulatedController &controller, int transfers)
{
    if (transfers == 0)
        bus.unplug(controller);
    else
        controller.faults.unplugAfterTransfers = transfers;
}

int reached(const TransactionLog &log)
{
    return int(log.filtered([](const Transaction &t) {
                      return t.isTransfer() && t.result != UsbBackend::ErrorNoDevice;
                  })
                   .size());
}

void sweep(int transfers, const std::function<void(int unplugAfter)> &attempt,
           const std::function<void(int unplugAfter)> &check)
{
    for (int k = 0; k < transfers && !QTest::currentTestFailed(); ++k) {
        attempt(k);
        check(k);
    }
}

} // namespace UnplugSweep
