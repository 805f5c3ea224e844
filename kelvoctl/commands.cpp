// kelvoctl's commands: configuration and upgrade files from the command line.

#include "commands.h"

#include "configdiffoutput.h"
#include "configsummary.h"
#include "jobreport.h"
#include "simulatecommand.h"

#include "firmware/upgradefile.h"
#include "firmware/upgraderefusal.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configjson.h"
#include "model/configlayout.h"
#include "model/contactmode.h"
#include "model/fileio.h"
#include "model/functioncode.h"
#include "model/printabletext.h"
#include "model/programshape.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTextStream>

#include <iterator>
#include <limits>
#include <vector>

#include <sys/stat.h>

using namespace ConfigLayout;

namespace Kelvoctl {

namespace {

// Header lines echoed by info; a hand-made header can hold thousands.
constexpr int MaxHeaderLines = 20;

bool distinctOutput(Console &console, const QString &input, const QString &output)
{
    if (!sameFile(input, output))
        return true;
    console.fail(QStringLiteral("%1: is the input file %2; refusing to overwrite it")
                     .arg(shown(output), shown(input)));
    return false;
}

using Image = std::vector<u8>;

// Reads and checks a configuration file; the message is the program's own for a broken file.
bool loadConfig(Console &console, const QString &fileName, Image &image,
                QByteArray *bytes = nullptr)
{
    image.assign(ImageSize, 0);
    QString reason;
    if (!ConfigFile::read(fileName, image.data(), &reason, bytes)) {
        console.fail(QStringLiteral("%1: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

bool saveBytes(Console &console, const QString &fileName, const QByteArray &bytes)
{
    QString reason;
    if (!FileIo::write(fileName, bytes, &reason)) {
        console.fail(QStringLiteral("%1: cannot write: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

bool saveConfig(Console &console, const QString &fileName, const u8 *image)
{
    QString reason;
    if (!ConfigFile::write(fileName, image, &reason)) {
        console.fail(QStringLiteral("%1: cannot write: %2").arg(shown(fileName), shown(reason)));
        return false;
    }
    return true;
}

int commandNew(const Invocation &call)
{
    Console &console = call.console;
    const QStringList &args = call.args;
    if (args.size() != 1)
        return console.usage(QStringLiteral("new takes one file name: kelvoctl new OUT"));
    Image image(ImageSize);
    clearImage(image.data(), ClearFlags::All);
    return JobReport::doneOrFailed(saveConfig(console, args[0], image.data()));
}

int commandInfo(const Invocation &call)
{
    Console &console = call.console;
    const QStringList &args = call.args;
    if (args.size() != 1)
        return console.usage(QStringLiteral("info takes one file name: kelvoctl info FILE"));
    Image data;
    QByteArray bytes;
    if (!loadConfig(console, args[0], data, &bytes))
        return JobReport::doneOrFailed(false);
    const u8 *image = data.data();
    QString text;
    QTextStream o(&text);

    o << "File: " << shown(args[0]) << "\nHeader:\n";
    const QString header = QString::fromLatin1(ConfigFile::headerText(bytes));
    int lines = 0;
    for (const QString &line : header.split(QStringLiteral("\r\n"))) {
        QString shown = line;
        shown.remove(QChar(0x1A));
        if (shown.isEmpty())
            continue;
        if (++lines > MaxHeaderLines) {
            o << "  ...\n";
            break;
        }
        o << "  " << printableText(shown) << '\n';
    }
    o << "CRC: OK\n";

    o << configSummary(image);
    o.flush();
    return JobReport::doneOrFailed(console.out(text.toUtf8()));
}

int commandExport(const Invocation &call)
{
    Console &console = call.console;
    const QStringList &args = call.args;
    const std::optional<QString> &output = call.options.output;
    if (args.size() != 1)
        return console.usage(
            QStringLiteral("export takes one file name: kelvoctl export FILE [-o OUT.json]"));
    // Standard output is chosen by leaving -o out; an empty name is a mistake (an unset variable).
    if (output && output->isEmpty())
        return console.usage(
            QStringLiteral("-o needs a file name (export writes to standard output "
                           "without -o)"));
    if (output && !distinctOutput(console, args[0], *output))
        return JobReport::doneOrFailed(false);
    Image image;
    if (!loadConfig(console, args[0], image))
        return JobReport::doneOrFailed(false);
    const QByteArray json = QJsonDocument(ConfigJson::toJson(image.data())).toJson();
    if (!output)
        return JobReport::doneOrFailed(console.out(json));
    return JobReport::doneOrFailed(saveBytes(console, *output, json));
}

int commandImport(const Invocation &call)
{
    Console &console = call.console;
    const QStringList &args = call.args;
    if (args.size() != 2)
        return console.usage(
            QStringLiteral("import takes two file names: kelvoctl import IN.json OUT"));
    if (!distinctOutput(console, args[0], args[1]))
        return JobReport::doneOrFailed(false);
    QByteArray text;
    QString reason;
    if (FileIo::read(args[0], ConfigJson::MaxTextSize, &text, &reason) != FileIo::ReadResult::Ok)
        return console.fail(QStringLiteral("%1: %2").arg(shown(args[0]), shown(reason)));
    Image image(ImageSize, 0xFF);
    QString error;
    // The parser escapes what it quotes from the document already.
    if (!ConfigJson::parse(text, image.data(), &error))
        return console.fail(QStringLiteral("%1: %2").arg(shown(args[0]), error));
    return JobReport::doneOrFailed(saveConfig(console, args[1], image.data()));
}

// The program's own words for a refused file; it passes over a file with nothing to load
// silently, which a command cannot.
QString refusalMessage(UpgradeFile::Refusal refusal, const QString &name)
{
    if (refusal == UpgradeFile::Refusal::NothingToLoad)
        return shown(name) + QStringLiteral(": holds no firmware (data offset 0xFFFF)");
    return UpgradeFile::refusalText(refusal, shown(name));
}

// The reader never looks further; endless inputs stop there too.
bool readUpgradeFile(const QString &fileName, QByteArray *bytes, QString *message)
{
    QString reason;
    if (!FileIo::readStart(fileName, UpgradeFile::MaxUsefulSize, bytes, &reason)) {
        *message = QStringLiteral("%1: %2").arg(shown(fileName), shown(reason));
        return false;
    }
    return true;
}

int commandFirmwareInfo(const Invocation &call)
{
    Console &console = call.console;
    const QStringList &args = call.args;
    if (args.size() != 1)
        return console.usage(
            QStringLiteral("firmware-info takes one file name: kelvoctl firmware-info FILE.upg"));
    QByteArray bytes;
    QString message;
    if (!readUpgradeFile(args[0], &bytes, &message))
        return console.fail(message);
    UpgradeFile::Version version;
    QByteArray image;
    const UpgradeFile::Refusal refusal = UpgradeFile::read(bytes, &version, &image);
    if (refusal != UpgradeFile::Refusal::None)
        return console.fail(refusalMessage(refusal, args[0]));
    UpgradeFile::Descriptor descriptor;
    UpgradeFile::descriptor(bytes, &descriptor);

    QByteArray text = "File: " + shown(args[0]).toUtf8() + '\n';
    if (version.tagged) {
        const QString core = uchar(version.core) > 0x20 && uchar(version.core) < 0x7F
            ? QString(QLatin1Char(version.core))
            : QStringLiteral("0x%1").arg(uint(uchar(version.core)), 2, 16, QLatin1Char('0'));
        text += QStringLiteral("Version tag: %1.%2, core %3\n")
                    .arg(int(version.major))
                    .arg(int(version.minor), 2, 10, QLatin1Char('0'))
                    .arg(core)
                    .toUtf8();
    } else {
        text += "Version tag: none (installed without a version check)\n";
    }
    text += "Compressed size: " + QByteArray::number(qint64(descriptor.dataLengthMinus1) + 1)
        + " bytes\nFirmware: unpacks to a valid 64 KiB image\n";
    return JobReport::doneOrFailed(console.out(text));
}
int commandDiff(const Invocation &call)
{
    JobReport report(QString::fromLatin1(call.command.name), call.command.comparison);
    if (call.args.size() != 2) {
        report.end(JobReport::Ending::Usage,
                   QStringLiteral("diff takes two file names: kelvoctl diff A B"));
        return report.print(call.console, call.options);
    }
    Image images[2];
    for (int i = 0; i < 2; ++i) {
        QString reason;
        images[i].assign(ImageSize, 0);
        if (!ConfigFile::read(call.args[i], images[i].data(), &reason)) {
            report.fields.insert(QStringLiteral("a"), call.args[0]);
            report.fields.insert(QStringLiteral("b"), call.args[1]);
            report.end(JobReport::Ending::Failed,
                       QStringLiteral("%1: %2").arg(shown(call.args[i]), shown(reason)));
            return report.print(call.console, call.options);
        }
    }
    compareInto(report, call.args[0], call.args[1], images[0].data(), images[1].data());
    return report.print(call.console, call.options);
}

} // namespace

bool sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat statA
    {
    };
    struct stat statB
    {
    };
    return stat(QFile::encodeName(a).constData(), &statA) == 0
        && stat(QFile::encodeName(b).constData(), &statB) == 0 && statA.st_dev == statB.st_dev
        && statA.st_ino == statB.st_ino;
}

QString shown(const QString &text)
{
    return printableText(text, std::numeric_limits<int>::max());
}

QString upgradeFileRefusal(const QString &fileName)
{
    QByteArray bytes;
    QString message;
    if (!readUpgradeFile(fileName, &bytes, &message))
        return message;
    UpgradeFile::Version version;
    QByteArray image;
    const UpgradeFile::Refusal refusal = UpgradeFile::read(bytes, &version, &image);
    return refusal == UpgradeFile::Refusal::None ? QString() : refusalMessage(refusal, fileName);
}

const QList<Command> &fileCommands()
{
    static const QList<Command> table {
        {"new", "new OUT", "write a configuration file with all defaults", 0, Needs::Files, false,
         commandNew},
        {"info", "info FILE", "check a configuration file and summarise it", 0, Needs::Files, false,
         commandInfo},
        {"export", "export FILE [-o OUT.json]", "write the whole configuration as JSON",
         OutputOption, Needs::Files, false, commandExport},
        {"import", "import IN.json OUT", "build a configuration file from such JSON", 0,
         Needs::Files, false, commandImport},
        {"diff", "diff A B [--json]", "the differences between two configuration files", JsonOption,
         Needs::Files, true, commandDiff},
        {"firmware-info", "firmware-info FILE.upg", "check an upgrade file without a controller", 0,
         Needs::Files, false, commandFirmwareInfo},
        {"simulate", "simulate CONFIG [--at T:EVENT]... [--events FILE]",
         "play a configuration's show as the preview does",
         AtOption | EventsOption | DurationOption | FpsOption | ChannelsOption | JsonOption
             | OutputOption,
         Needs::Files, false, commandSimulate,
         "simulate CONFIG ... [--duration S] [--fps N] [--channels A-B] [--json] [-o OUT]",
         "its output levels frame by frame, as CSV or JSON"},
    };
    return table;
}

namespace {

constexpr int SynopsisWidth = 27;

// The commands `which` picks, as a sentence names them: "export, simulate and backup".
template<typename Predicate> QString namesOf(const QList<Command> &table, Predicate which)
{
    QStringList names;
    for (const Command &c : table) {
        if (which(c))
            names << QString::fromLatin1(c.name);
    }
    if (names.size() <= 1)
        return names.value(0);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

const char exitStatuses[] = R"(

simulate plays CONFIG as the program's preview does and prints the levels
every 1/N s from 0 to S s inclusive (default 10 s at 25 frames a second,
channels 1-64): CSV with the header time_s,ch1,ch2,... or, with --json,
{"fps", "duration", "channels": [A, B], "frames": [{"t", "levels"}]}.
An event is T:EVENT, T in seconds (2.5), EVENT one of power-on, input=N
(1..8; a press: it closes and opens again), input=N:close, input=N:open,
key=K@A (remote key 1..64 sent with system address 0..255) or action=CODE
(a function code 0..255 carried out directly). --events FILE holds one a
line, # starting a comment; its events come before those of --at, and events
at the same time take effect in that order. Without any event: power-on at 0.

backup --all names each file after the serial number, with every character
but letters, digits, - and _ made _, and adds the port (_port_1-4_2) where two
controllers would share a name.

Every job leaves the controller in the mode it found it in (a running show
keeps running), unless a firmware upgrade stopped halfway: then the controller
waits in its firmware loader, and kelvoctl says so; run flash again to finish.
Ctrl+C at a question answers no. During a job the first Ctrl+C stops it where
it safely can (a configuration write goes on to its end) and says what will
happen; backup --all then reads no further controller. A second Ctrl+C ends
kelvoctl at once and says what state the controller is left in.

Exit status:
)";

QString description(const QList<Command> &table)
{
    QString text = QStringLiteral("Configuration files and controllers of the Kelvo controller "
                                  "from the command line.\n\nCommands:");
    const auto line = [&text](const char *synopsisText, const char *summary) {
        const QString synopsis = QString::fromLatin1(synopsisText);
        text += synopsis.size() < SynopsisWidth
            ? QStringLiteral("\n  %1%2")
                  .arg(synopsis.leftJustified(SynopsisWidth), QString::fromLatin1(summary))
            : QStringLiteral("\n  %1\n  %2%3")
                  .arg(synopsis, QString(SynopsisWidth, QLatin1Char(' ')),
                       QString::fromLatin1(summary));
    };
    for (const Command &c : table) {
        line(c.synopsis, c.summary);
        if (c.otherSynopsis)
            line(c.otherSynopsis, c.otherSummary);
    }
    return text + QString::fromLatin1(exitStatuses)
        + JobReport::statusHelp(namesOf(table, [](const Command &c) { return c.comparison; }));
}

// "new, info, export, import or firmware-info"
QString commandNames(const QList<Command> &table)
{
    QStringList names;
    for (const Command &c : table)
        names << QString::fromLatin1(c.name);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// Every option, declared once: its names, its value, its help line, and where its value goes.
// --help lists them in this order.
struct OptionSpec
{
    Option option;
    const char *shortName; // nullptr: none
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *help;
    void (*store)(Options &options, const QStringList &values); // the values given, in order

    // As messages show it.
    QString spelling() const
    {
        return shortName ? QStringLiteral("-") + QLatin1String(shortName)
                         : QStringLiteral("--") + QLatin1String(name);
    }
};

const OptionSpec optionSpecs[] = {
    {OutputOption, "o", "output", "OUT",
     "The file to write (export: JSON; backup: the configuration; simulate: the frames), or the "
     "folder for backup --all.",
     [](Options &o, const QStringList &v) {
         o.output = v.last();
     }},
    {SerialOption, nullptr, "serial", "S",
     "The controller with this serial number; needed when several are on the bus.",
     [](Options &o, const QStringList &v) {
         o.serial = v.last();
     }},
    {PortOption, nullptr, "port", "P",
     "The controller plugged in at this port, as devices lists it (1-4.2: bus 1, port 4 of the "
     "root hub, port 2 of the hub there); needed when two controllers share a serial number.",
     [](Options &o, const QStringList &v) {
         o.port = v.last();
     }},
    {AllOption, nullptr, "all", nullptr, "backup: every controller on the bus.",
     [](Options &o, const QStringList &) {
         o.all = true;
     }},
    {YesOption, nullptr, "yes", nullptr,
     "restore, flash: go on without asking (without a terminal they refuse unless given).",
     [](Options &o, const QStringList &) {
         o.yes = true;
     }},
    {AllowOlderOption, nullptr, "allow-older", nullptr, "flash: install an older release too.",
     [](Options &o, const QStringList &) {
         o.allowOlder = true;
     }},
    {JsonOption, nullptr, "json", nullptr,
     "Print the result as JSON (devices, diff, simulate and the controller jobs).",
     [](Options &o, const QStringList &) {
         o.json = true;
     }},
    {QuietOption, nullptr, "quiet", nullptr,
     "No progress bar and no result line; messages and the exit status stay.",
     [](Options &o, const QStringList &) {
         o.quiet = true;
     }},
    {AtOption, nullptr, "at", "T:EVENT", "simulate: an event at T seconds (again for more).",
     [](Options &o, const QStringList &v) {
         o.at = v;
     }},
    {EventsOption, nullptr, "events", "FILE", "simulate: a file of events, one T:EVENT a line.",
     [](Options &o, const QStringList &v) {
         o.events = v.last();
     }},
    {DurationOption, nullptr, "duration", "S",
     "simulate: how long to play, in seconds (default 10).",
     [](Options &o, const QStringList &v) {
         o.duration = v.last();
     }},
    {FpsOption, nullptr, "fps", "N", "simulate: frames a second, 1 to 1000 (default 25).",
     [](Options &o, const QStringList &v) {
         o.fps = v.last();
     }},
    {ChannelsOption, nullptr, "channels", "A-B",
     "simulate: the channels to print, from A to B of 1 to 64, or one (default 1-64).",
     [](Options &o, const QStringList &v) {
         o.channels = v.last();
     }},
};

QCommandLineOption commandLineOption(const OptionSpec &spec)
{
    QStringList names {QString::fromLatin1(spec.name)};
    if (spec.shortName)
        names.prepend(QString::fromLatin1(spec.shortName));
    return QCommandLineOption(names, QString::fromLatin1(spec.help),
                              spec.valueName ? QString::fromLatin1(spec.valueName) : QString());
}

} // namespace

int run(const QStringList &arguments, const QList<Command> &table, Console &console,
        const Environment &environment)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description(table));
    parser.addHelpOption();
    parser.addVersionOption();
    std::vector<QCommandLineOption> declared;
    for (const OptionSpec &spec : optionSpecs) {
        declared.push_back(commandLineOption(spec));
        parser.addOption(declared.back());
    }
    parser.addPositionalArgument(QStringLiteral("command"), commandNames(table));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the command's files"),
                                 QStringLiteral("FILE..."));

    if (!parser.parse(arguments))
        return console.usage(shown(parser.errorText()));
    // Not showHelp() and showVersion(): they exit with 0 even when the text was not written.
    if (parser.isSet(QStringLiteral("help"))) {
        // The name, not the path it was started by: the man page is made from this text.
        QString help = parser.helpText();
        help.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     QStringLiteral("Usage: kelvoctl"));
        return JobReport::doneOrFailed(console.out(help.toUtf8()));
    }
    if (parser.isSet(QStringLiteral("version"))) {
        const QString line = QCoreApplication::applicationName() + QLatin1Char(' ')
            + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return JobReport::doneOrFailed(console.out(line.toUtf8()));
    }

    unsigned given = 0;
    Options options;
    for (size_t i = 0; i < std::size(optionSpecs); ++i) {
        if (!parser.isSet(declared[i]))
            continue;
        given |= optionSpecs[i].option;
        optionSpecs[i].store(options, parser.values(declared[i]));
    }
    if ((given & SerialOption) && options.serial.isEmpty())
        return console.usage(QStringLiteral("--serial needs a serial number"));
    if ((given & PortOption) && options.port.isEmpty())
        return console.usage(QStringLiteral("--port needs a port, as devices lists it"));

    // An option the command does not take is a mistake, named before anything is done.
    const auto refuseOptions = [&](unsigned accepted) -> int {
        for (const OptionSpec &spec : optionSpecs) {
            if (!(given & spec.option) || (accepted & spec.option))
                continue;
            const auto takesIt = [&spec](const Command &c) {
                return (c.options & spec.option) != 0;
            };
            return console.usage(QStringLiteral("%1 goes with %2 only")
                                     .arg(spec.spelling(), namesOf(table, takesIt)));
        }
        return Console::Ok;
    };

    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return console.usage(QStringLiteral("no command given"));
    const QString name = args.takeFirst();
    for (const Command &command : table) {
        if (name != QLatin1String(command.name))
            continue;
        if (const int status = refuseOptions(command.options); status != Console::Ok)
            return status;
        return command.run({command, args, options, given, console, environment});
    }
    if (const int status = refuseOptions(0); status != Console::Ok)
        return status;
    return console.usage(QStringLiteral("unknown command '%1'").arg(shown(name)));
}

} // namespace Kelvoctl
