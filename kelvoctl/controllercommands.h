#pragma once

#include "commands.h"

// The commands that work with controllers on the bus.
namespace Kelvoctl {

// In the order --help lists them, after the commands on files.
const QList<Command> &controllerCommands();

} // namespace Kelvoctl
