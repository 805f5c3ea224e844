#pragma once

#include "device/transactionlog.h"
#include "simulator/simulatedbus.h"

#include <functional>

// A job run again and again with the controller leaving the bus after each possible number of its
// transfers: whatever the moment, the program must end in a state the user can see.
namespace UnplugSweep {

// The controller leaves at once (0), after this many more transfers, or stays (-1).
void arm(SimulatedBus &bus, SimulatedController &controller, int transfers);
// The transfers of the log that reached a controller, not those refused because it had gone.
int reached(const TransactionLog &log);
// `attempt(k)` for every k below `transfers` (what an undisturbed run made), each followed by
// `check(k)`; it stops at the first k whose check failed.
void sweep(int transfers, const std::function<void(int unplugAfter)> &attempt,
           const std::function<void(int unplugAfter)> &check);

} // namespace UnplugSweep
