// The one place that sees both halves of kelvoctl: the commands on files never link the
// controller code, and need not know that there are others.

#include "commandtable.h"

#include "controllercommands.h"

namespace Kelvoctl {

const QList<Command> &commands()
{
    static const QList<Command> table = fileCommands() + controllerCommands();
    return table;
}

int run(const QStringList &arguments, Console &console, const Environment &environment)
{
    return run(arguments, commands(), console, environment);
}

} // namespace Kelvoctl
