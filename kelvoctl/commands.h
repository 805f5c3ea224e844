#pragma once

#include "console.h"

#include <QStringList>

#include <optional>

// kelvoctl's commands, run in-process: the program's main and the tests call run().
namespace Kelvoctl {

// One command as it was asked for.
struct Invocation
{
    QStringList args; // after the command's name
    std::optional<QString> output; // -o, for the commands that take it
    Console &console;
};

struct Command
{
    const char *name;
    const char *synopsis; // as --help lists it
    const char *summary;
    bool takesOutput; // -o
    int (*run)(const Invocation &call);
};

// Every command, in the order --help lists them.
const QList<Command> &commands();

// kelvoctl with its arguments (the program's name first, as QCoreApplication::arguments() gives
// them); the exit status. Expects a QCoreApplication with name and version set.
int run(const QStringList &arguments, Console &console);

} // namespace Kelvoctl
