#pragma once

#include "commands.h"

// The commands that work with controllers on the bus.
namespace Kelvoctl {

int commandDevices(const Invocation &call);
int commandBackup(const Invocation &call);
int commandRestore(const Invocation &call);
int commandVerifyConfig(const Invocation &call);
int commandFlash(const Invocation &call);
int commandVerifyFirmware(const Invocation &call);

} // namespace Kelvoctl
