#pragma once

#include "commands.h"

// The whole command line: the commands on files and those on controllers, in one table.
namespace Kelvoctl {

// Every command, in the order --help lists them.
const QList<Command> &commands();

// kelvoctl with its arguments (the program's name first, as QCoreApplication::arguments() gives
// them); the exit status. Expects a QCoreApplication with name and version set.
int run(const QStringList &arguments, Console &console, const Environment &environment = {});

} // namespace Kelvoctl
