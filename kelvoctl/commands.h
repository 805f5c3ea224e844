#pragma once

#include "console.h"

#include <QStringList>

#include <optional>

class Interrupt;
class UsbBackend;

// kelvoctl's commands, run in-process: the program's main and the tests call run().
namespace Kelvoctl {

// The options a command may take; run() refuses an option the command does not.
enum Option : unsigned {
    OutputOption = 1u << 0, // -o
    SerialOption = 1u << 1, // --serial
    AllOption = 1u << 2, // --all
    YesOption = 1u << 3, // --yes
    AllowOlderOption = 1u << 4, // --allow-older
    JsonOption = 1u << 5, // --json
    QuietOption = 1u << 6, // --quiet
    PortOption = 1u << 7, // --port
    AtOption = 1u << 8, // --at
    EventsOption = 1u << 9, // --events
    DurationOption = 1u << 10, // --duration
    FpsOption = 1u << 11, // --fps
    ChannelsOption = 1u << 12, // --channels
};

struct Options
{
    std::optional<QString> output; // -o
    QString serial;
    QString port; // where the controller is plugged in ("1-4.2")
    bool all = false;
    bool yes = false;
    bool allowOlder = false;
    bool json = false;
    bool quiet = false;
    // simulate's, as given: the command reads them and names what it refuses.
    QStringList at; // T:EVENT, in the order given
    std::optional<QString> events; // the file
    std::optional<QString> duration;
    std::optional<QString> fps;
    std::optional<QString> channels;
};

// What the commands that talk to controllers run on.
struct Environment
{
    UsbBackend *usb = nullptr; // not owned; nullptr: the USB bus through libusb-1.0
    // Ctrl+C: it asks the running job to stop where it safely can; nullptr: never pressed.
    Interrupt *interrupt = nullptr;
};

struct Command;

// One command as it was asked for.
struct Invocation
{
    const Command &command;
    QStringList args; // after the command's name
    Options options;
    unsigned given; // the Options given
    Console &console;
    Environment environment;
};

// What a command works on. Whatever is needed of a controller is seen to before the command's
// own work, in one place for all of them.
enum class Needs {
    Files,
    Bus, // every controller on the bus, each the command's to open
    Controller, // the one --serial and --port name, or the only one, running its firmware
    ControllerOrLoader, // the same, or waiting in its firmware loader
};

struct Command
{
    const char *name;
    const char *synopsis; // as --help lists it
    const char *summary;
    unsigned options; // the Options it takes
    Needs needs;
    // Compares, and exits as diff(1) does: 0 the same, 1 different, 2 any trouble.
    bool comparison;
    int (*run)(const Invocation &call);
    // A second way to call it, on a line of its own in --help.
    const char *otherSynopsis = nullptr;
    const char *otherSummary = nullptr;
    // With this option it works on every controller on the bus instead of one.
    Option everyControllerWith = Option(0);
};

// A file name or argument echoed in a message or output: escaped like text from a file, so that
// it cannot rewrite the terminal, but whole: the user must see which file is meant, and a cut
// could make two names look alike. System reasons go through it too: Qt's can hold the name.
QString shown(const QString &text);

// Whether two names are one file, also through symbolic links, other spellings and hard links.
bool sameFile(const QString &a, const QString &b);

// Why an upgrade file cannot be used, with its name shown; the program's own words, and a file
// with nothing to load said in words too.
QString upgradeFileRefusal(const QString &fileName);

// The commands on files alone, in the order --help lists them.
const QList<Command> &fileCommands();

// kelvoctl with its arguments (the program's name first, as QCoreApplication::arguments() gives
// them) and the commands of `table`, in the order --help lists them; the exit status. Expects a
// QCoreApplication with name and version set.
int run(const QStringList &arguments, const QList<Command> &table, Console &console,
        const Environment &environment = {});

} // namespace Kelvoctl
