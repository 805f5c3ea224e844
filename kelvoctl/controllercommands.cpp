// kelvoctl's commands for controllers on the bus. They run the program's own controller jobs;
// only the reporting is the command line's.

#include "controllercommands.h"

#include "cliprompts.h"
#include "configdiffoutput.h"
#include "controller/devicejobs.h"
#include "device/kelvoprotocol.h"
#include "interrupt.h"
#include "jobreport.h"
#include "model/configfile.h"
#include "model/configlayout.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <vector>

using namespace ConfigLayout;

namespace Kelvoctl {

namespace {

using Ending = JobReport::Ending;

// A controller on the bus: the serial number it reports and where it is plugged in. Two can
// report the same serial number; they never share a port.
struct Found
{
    QString serial;
    QString port;
    friend bool operator==(const Found &, const Found &) = default;
};

using BusyController = t_threadUsbDevice::BusyController;

// Who holds a controller, in kelvoctl's words.
QString heldBy(const DeviceHolder &holder)
{
    if (!holder.known())
        return QStringLiteral("in use by another program (the system does not tell which)");
    return QStringLiteral("in use by another program: %1 (process %2)")
        .arg(shown(holder.program))
        .arg(holder.pid);
}

// "the controller at port 1-2 is in use by another program: ...", for each.
QString busyList(const QList<BusyController> &busy)
{
    QStringList lines;
    for (const BusyController &b : busy)
        lines << QStringLiteral("the controller at port %1 is %2")
                     .arg(shown(b.port), heldBy(b.holder));
    return lines.join(QStringLiteral("; "));
}

QString foundList(const QList<Found> &found)
{
    QStringList names;
    for (const Found &f : found)
        names << QStringLiteral("%1 at port %2").arg(shown(f.serial), shown(f.port));
    return names.join(QStringLiteral(", "));
}

// How JSON names a controller's mode, and how messages say it.
struct ModeText
{
    int mode;
    const char *name;
    const char *words;
};
constexpr ModeText modeTexts[] = {
    {MODE_NORMAL, "running", "running its show"},
    {MODE_CONF, "configuration", "in configuration mode"},
    {MODE_LIVE, "live", "in live mode"},
    {MODE_LOADER, "loader", "in its firmware loader"},
    {0, "unknown", "in an unknown mode"},
};

const ModeText &modeText(int mode)
{
    for (const ModeText &text : modeTexts) {
        if (text.mode == mode)
            return text;
    }
    return modeTexts[std::size(modeTexts) - 1];
}

QString modeName(int mode)
{
    return QString::fromLatin1(modeText(mode).name);
}

QString modeWords(int mode)
{
    return QString::fromLatin1(modeText(mode).words);
}

// A file name made from text a device reports: only letters, digits, '-' and '_' (anything else
// becomes '_'), never empty and never starting with '-', so that a device cannot choose a folder,
// a hidden file or an option.
QString fileNamePart(const QString &text)
{
    QString name;
    for (const QChar c : text) {
        const bool kept = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-')
            || c == QLatin1Char('_');
        name += kept ? c : QLatin1Char('_');
    }
    if (name.isEmpty())
        return QStringLiteral("controller");
    if (name.startsWith(QLatin1Char('-')))
        name[0] = QLatin1Char('_');
    return name;
}

// The backup file of each controller, in the same order: its serial number, with the port where
// two controllers would share a name, and a number where even that is taken. No two share one.
QStringList backupNames(const QList<Found> &found)
{
    QStringList bases;
    for (const Found &f : found)
        bases << fileNamePart(f.serial);
    QStringList names;
    QSet<QString> taken;
    for (int i = 0; i < found.size(); ++i) {
        QString name = bases[i];
        if (bases.count(bases[i]) > 1)
            name += QStringLiteral("_port_") + fileNamePart(found[i].port);
        const QString first = name;
        for (int n = 2; taken.contains(name); ++n)
            name = first + QLatin1Char('_') + QString::number(n);
        taken.insert(name);
        names << name + QStringLiteral(".cfgkv");
    }
    return names;
}

// How kelvoctl ends after each outcome of the program's controller jobs; the words are the
// command's, as only it knows what was being done.
Ending endingOf(JobResult::Outcome outcome)
{
    using Outcome = JobResult::Outcome;
    switch (outcome) {
    case Outcome::Done:
        return Ending::Done;
    case Outcome::Differs:
        return Ending::Differs;
    case Outcome::Busy:
        return Ending::Busy;
    case Outcome::NotConnected: // it was there a moment ago
    case Outcome::LinkLost:
        return Ending::ControllerLost;
    case Outcome::Cancelled:
        return Ending::Cancelled;
    case Outcome::Refused:
    case Outcome::WrongAnswer:
    case Outcome::FileError:
        break;
    }
    return Ending::Failed;
}

// One controller job of one command: the controller object on the chosen bus, the prompts that
// turn its boxes and progress into the command line's, Ctrl+C, and the report.
class Session
{
public:
    explicit Session(const Invocation &call)
        : call(call)
        , console(call.console)
        , command(QString::fromLatin1(call.command.name))
        , report(command, call.command.comparison)
        , prompts(call.console, !call.options.quiet && call.console.errorIsTerminal(),
                  call.environment.interrupt)
    {
        kelvo.setUsbBackend(call.environment.usb);
        notify(QStringLiteral("Ctrl+C: stopping before anything is changed"),
               QStringLiteral("stopped; nothing was changed"));
    }

    ~Session() { kelvo.usbDevice.closeDevice(); }

    bool interrupted() const
    {
        return call.environment.interrupt && call.environment.interrupt->pressed();
    }

    // What Ctrl+C is told from now on: a first press, and a second one that ends the program.
    void notify(const QString &first, const QString &second)
    {
        if (!call.environment.interrupt)
            return;
        // On a terminal the line may hold a question or the progress bar.
        const QString start = console.errorIsTerminal() ? QStringLiteral("\nkelvoctl: ")
                                                        : QStringLiteral("kelvoctl: ");
        call.environment.interrupt->setNotices(
            first.isEmpty() ? QString() : start + first + QLatin1Char('\n'),
            second.isEmpty() ? QString() : start + second + QLatin1Char('\n'));
    }

    // Every controller on the bus, in the bus's order.
    QList<Found> discover()
    {
        // No controller has this serial number, so discovery lists every one as another.
        kelvo.usbDevice.requiredPort.clear();
        kelvo.usbDevice.serialNumber = QStringLiteral("?");
        kelvo.usbDevice.findDevice();
        kelvo.usbDevice.serialNumber.clear();
        busy = kelvo.usbDevice.busyControllers;
        QList<Found> found;
        for (int i = 0; i < kelvo.otherSerials.size(); ++i)
            found.append({kelvo.otherSerials[i], kelvo.usbDevice.otherPorts.value(i)});
        serialShared.clear();
        for (const Found &f : found) {
            if (std::count_if(found.cbegin(), found.cend(),
                              [&](const Found &g) { return g.serial == f.serial; })
                > 1)
                serialShared.insert(f.serial);
        }
        return found;
    }

    // Connects to this controller and learns its mode; false after ending the report.
    bool open(const Found &found)
    {
        target = found;
        foundMode = 0;
        prompts.task = command + QLatin1Char(' ') + shown(found.serial);
        report.fields.insert(QStringLiteral("serial"), found.serial);
        report.fields.insert(QStringLiteral("port"), found.port);
        kelvo.usbDevice.closeDevice();
        kelvo.usbDevice.serialNumber = found.serial;
        kelvo.usbDevice.requiredPort = found.port;
        if (const JobResult result = kelvo.connectController(); !result.ok()) {
            const QList<BusyController> &held = kelvo.usbDevice.busyControllers;
            if (endingOf(result.outcome) == Ending::Busy && !held.isEmpty())
                report.end(Ending::Busy,
                           QStringLiteral("%1 is %2").arg(who(), heldBy(held.first().holder)));
            else
                report.end(Ending::NoController,
                           QStringLiteral("%1 is no longer on the bus").arg(who()));
            return false;
        }
        foundMode = kelvo.reportedMode();
        // The controller's own jobs put back the mode they found only when they know it.
        kelvo.deviceMode = foundMode;
        if (!foundMode)
            return lost(QStringLiteral("checking its mode"));
        return true;
    }

    // The one controller the options name, or the only one there is, connected and running (or
    // in its loader, where `loaderWanted`); false after ending the report.
    bool choose(bool loaderWanted = false)
    {
        const QString &serial = call.options.serial;
        const QString &port = call.options.port;
        const QList<Found> found = discover();
        QList<Found> matching;
        for (const Found &f : found) {
            if ((serial.isEmpty() || f.serial == serial) && (port.isEmpty() || f.port == port))
                matching << f;
        }
        // One that another program holds may be the one meant: its serial number is unknown.
        QList<BusyController> busyMatching;
        for (const BusyController &b : busy) {
            if (port.isEmpty() || b.port == port)
                busyMatching << b;
        }
        if (found.isEmpty() && busyMatching.isEmpty())
            return end(Ending::NoController, QStringLiteral("no Kelvo controller found"));
        if (found.isEmpty())
            return end(Ending::Busy, busyList(busyMatching));
        if (matching.isEmpty()) {
            QStringList named;
            if (!serial.isEmpty())
                named << QStringLiteral("with serial number %1").arg(shown(serial));
            if (!port.isEmpty())
                named << QStringLiteral("at port %1").arg(shown(port));
            const QString none = QStringLiteral("no controller %1 on the bus (found: %2)")
                                     .arg(named.join(QLatin1Char(' ')), foundList(found));
            if (!busyMatching.isEmpty())
                return end(Ending::Busy, none + QStringLiteral("; ") + busyList(busyMatching));
            return end(Ending::NoController, none);
        }
        if (matching.size() > 1) {
            if (!serial.isEmpty())
                return end(Ending::NoController,
                           QStringLiteral("%1 controllers have serial number %2; name one with "
                                          "--port (found: %3)")
                               .arg(matching.size())
                               .arg(shown(serial), foundList(matching)));
            return end(Ending::NoController,
                       QStringLiteral("%1 controllers on the bus; name one with --serial or "
                                      "--port (found: %2)")
                           .arg(matching.size())
                           .arg(foundList(matching)));
        }
        return open(matching.first()) && (loaderWanted || running());
    }

    // True when the connected controller runs its firmware.
    bool running()
    {
        if (foundMode != MODE_LOADER)
            return true;
        return end(Ending::InLoader,
                   QStringLiteral("%1 waits for its firmware (it is in its loader); %2 the upgrade")
                       .arg(who(), flashHint()));
    }

    // "controller S", with its port where another controller reports the same serial number.
    QString who() const
    {
        QString text = QStringLiteral("controller %1").arg(shown(target.serial));
        if (serialShared.contains(target.serial))
            text += QStringLiteral(" at port %1").arg(shown(target.port));
        return text;
    }

    // How an interrupted upgrade is finished.
    QString flashHint() const
    {
        QString selector = QStringLiteral("--serial ") + shown(target.serial);
        if (serialShared.contains(target.serial))
            selector += QStringLiteral(" --port ") + shown(target.port);
        return QStringLiteral("run 'kelvoctl flash %1 FILE.upg' to finish").arg(selector);
    }

    // Ok when the user agreed to a job that replaces something on the controller: --yes, or yes
    // on the terminal; never a silent yes without a terminal to ask on. Ctrl+C answers no.
    bool agreed(const QString &replaces, const QString &question)
    {
        if (call.options.yes)
            return true;
        if (interrupted())
            return end(Ending::Cancelled, QStringLiteral("cancelled; nothing was changed"));
        if (!console.inputIsTerminal())
            return end(Ending::Failed,
                       QStringLiteral("%1 replaces the %2 of %3; confirm with --yes")
                           .arg(command, replaces, who()));
        notify(QString(), QStringLiteral("stopped; nothing was changed"));
        const bool yes = console.confirm(question) && !interrupted();
        notify(QStringLiteral("Ctrl+C: stopping before anything is changed"),
               QStringLiteral("stopped; nothing was changed"));
        if (!yes)
            return end(Ending::Cancelled, QStringLiteral("nothing was changed"));
        return true;
    }

    // Just before the job's first request: a Ctrl+C that came before stops it here, and one that
    // comes during it is told what will happen.
    bool begin(const QString &doing, const QString &firstNotice, const QString &secondNotice)
    {
        if (interrupted())
            return end(Ending::Cancelled,
                       QStringLiteral("%1 of %2 cancelled; nothing was changed").arg(doing, who()));
        notify(firstNotice + QStringLiteral("; Ctrl+C again to stop at once"), secondNotice);
        boxesBefore = prompts.boxes.size();
        return true;
    }

    // The report for a job that did not end well.
    void jobFailed(const JobResult &result, const QString &doing, const QString &afterwards = {})
    {
        const QString tail = afterwards.isEmpty() ? QString() : QStringLiteral("; ") + afterwards;
        // A cancelled write ends in a link error; the flag tells it apart.
        Ending how = interrupted() ? Ending::Cancelled : endingOf(result.outcome);
        // A controller that vanished can leave any of the failures behind; the bus tells.
        if (how != Ending::Cancelled && how != Ending::ControllerLost
            && (!kelvo.usbDevice.isOpen() || !discover().contains(target)))
            how = Ending::ControllerLost;
        if (how == Ending::Cancelled)
            end(how, QStringLiteral("%1 of %2 cancelled%3").arg(doing, who(), tail));
        else if (how == Ending::ControllerLost)
            lost(doing, afterwards);
        else
            end(Ending::Failed,
                QStringLiteral("%1 of %2 failed: %3%4").arg(doing, who(), reason(result), tail));
    }

    // Why a job failed, in words that are never empty.
    QString reason(const JobResult &result) const
    {
        QString why = result.detail;
        // The boxes of this job only; an earlier one says nothing about it.
        if (why.isEmpty() && prompts.boxes.size() > boxesBefore)
            why = prompts.boxes.last().text;
        why = shownReason(why);
        if (!why.isEmpty())
            return why;
        switch (result.outcome) {
        case JobResult::Outcome::WrongAnswer:
            return QStringLiteral("the controller did not answer as the protocol expects");
        case JobResult::Outcome::FileError:
            return QStringLiteral("a file could not be used");
        default:
            return QStringLiteral("the controller did not finish the job");
        }
    }

    // The controller's words with the program's line breaks as blanks; a file name in them is
    // shown as every echoed name is.
    QString shownReason(QString why) const
    {
        for (const QString &name : call.args) {
            if (!name.isEmpty() && shown(name) != name)
                why.replace(name, shown(name));
        }
        why.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return shown(why.simplified());
    }

    bool lost(const QString &doing, const QString &afterwards = {})
    {
        return end(Ending::ControllerLost,
                   QStringLiteral("%1 left the bus or stopped answering (%2)%3")
                       .arg(who(), doing,
                            afterwards.isEmpty() ? QString() : QStringLiteral("; ") + afterwards));
    }

    // Always false, for `return end(...)` where a step fails.
    bool end(Ending how, const QString &message)
    {
        report.end(how, message);
        return false;
    }

    // The controller left in the mode it was found in (a running show keeps running), and the
    // report told where it is left in its loader: only a whole firmware lets it leave that.
    void leaveAsFound()
    {
        if (!foundMode)
            return; // never reached
        if (!kelvo.usbDevice.isOpen()) {
            // Closed after a failure or a restart; it may still be there.
            kelvo.usbDevice.serialNumber = target.serial;
            kelvo.usbDevice.requiredPort = target.port;
            kelvo.connectController();
        }
        int now = kelvo.usbDevice.isOpen() ? kelvo.reportedMode() : 0;
        if (now && now != foundMode && now != MODE_LOADER && foundMode != MODE_LOADER) {
            notify(QStringLiteral("Ctrl+C: ending once %1 is %2 again")
                       .arg(who(), modeWords(foundMode)),
                   QStringLiteral("stopped at once; %1 may be left %2 instead of %3")
                       .arg(who(), modeWords(now), modeWords(foundMode)));
            now = kelvo.setDeviceMode(foundMode) == foundMode ? foundMode : 0;
            if (!now && report.succeeded())
                lost(QStringLiteral("putting it back %1").arg(modeWords(foundMode)));
        }
        if (report.ending == Ending::InLoader)
            return; // its message says so
        if (now == MODE_LOADER) {
            if (report.succeeded())
                report.end(Ending::Failed,
                           QStringLiteral("%1 still waits in its firmware loader").arg(who()));
            report.addToMessage(
                QStringLiteral("it waits in its firmware loader: %1").arg(flashHint()));
        } else if (!now && firmwareStarted && !report.succeeded()) {
            report.addToMessage(
                QStringLiteral("it may wait in its firmware loader: %1").arg(flashHint()));
        }
    }

    // The end of every job: the controller left as it was found, and the report printed; the
    // exit status.
    int conclude()
    {
        leaveAsFound();
        return report.print(console, call.options);
    }

    const Invocation &call;
    Console &console;
    QString command;
    JobReport report;
    CliPrompts prompts; // before the controller: it may ask from its first call
    DeviceJobs kelvo;
    Found target;
    // The controllers that the last discovery found held by another program.
    QList<BusyController> busy;
    int foundMode = 0; // 0 until it answered
    QSet<QString> serialShared;
    bool firmwareStarted = false;
    qsizetype boxesBefore = 0;
    // The configuration file the command sends or compares with.
    std::vector<u8> file;
};

// Always false, for `return usage(...)` where the arguments are wrong.
bool usage(Session &session, const char *text)
{
    return session.end(Ending::Usage, QString::fromLatin1(text));
}

// The configuration file a command sends or compares with; false after ending the report.
bool readFile(Session &session, const QString &fileName, std::vector<u8> &image)
{
    image.assign(ImageSize, 0);
    QString reason;
    session.report.fields.insert(QStringLiteral("file"), fileName);
    if (ConfigFile::read(fileName, image.data(), &reason))
        return true;
    return session.end(Ending::Failed,
                       QStringLiteral("%1: %2").arg(shown(fileName), shown(reason)));
}

// What the first Ctrl+C during a configuration read is told.
QString readNotice(Session &session, const QString &consequence)
{
    return QStringLiteral("Ctrl+C: stopping after the current block; %1, and %2 is put back %3")
        .arg(consequence, session.who(), modeWords(session.foundMode));
}

// Reads the connected controller's configuration into `image`; false after ending the report.
bool readInto(Session &session, std::vector<u8> &image, const QString &firstNotice)
{
    const QString doing = QStringLiteral("reading the configuration");
    if (!session.begin(doing, firstNotice,
                       QStringLiteral("stopped at once; %1 may be left in configuration mode "
                                      "until it is switched off and on")
                           .arg(session.who())))
        return false;
    image.assign(ImageSize, 0);
    const JobResult result = session.kelvo.readConfiguration(image.data());
    if (result.ok())
        return true;
    session.jobFailed(result, doing, QStringLiteral("no file was written"));
    return false;
}

// Each command on controllers in two steps: what it checks before any controller is touched (its
// arguments, its files; false after ending the report), and its work once the controller it
// needs is there (the exit status).
using Check = bool (*)(Session &session);
using Work = int (*)(Session &session);

// The one runner of the commands on controllers: the controller the command's row says it needs
// is found and opened here, and one that waits in its firmware loader refused unless the row
// takes that.
template<Check check, Work work> int onControllers(const Invocation &call)
{
    Session session(call);
    if (!check(session))
        return session.conclude();
    const Command &row = call.command;
    const Needs needs = (call.given & row.everyControllerWith) ? Needs::Bus : row.needs;
    if (needs != Needs::Bus && !session.choose(needs == Needs::ControllerOrLoader))
        return session.conclude();
    return work(session);
}

bool devicesCheck(Session &session)
{
    return session.call.args.isEmpty()
        || usage(session, "devices takes no file names: kelvoctl devices [--json]");
}

int devices(Session &session)
{
    const Invocation &call = session.call;
    QJsonArray list;
    QString text;
    const QList<Found> found = session.discover();
    for (const Found &f : found) {
        QJsonObject device {{QStringLiteral("serial"), f.serial}, {QStringLiteral("port"), f.port}};
        if (!session.open(f) && !session.kelvo.connected) {
            device.insert(QStringLiteral("mode"), QStringLiteral("gone"));
            list.append(device);
            continue;
        }
        const QString version = session.kelvo.firmwareVersion;
        const QString &location = session.kelvo.usbDevice.location;
        device.insert(QStringLiteral("location"), location);
        device.insert(QStringLiteral("firmware"), version);
        device.insert(QStringLiteral("mode"), modeName(session.foundMode));
        list.append(device);
        text += QStringLiteral("%1  port %2 (%3)  firmware %4  %5\n")
                    .arg(shown(f.serial), shown(f.port), shown(location),
                         version.isEmpty() ? QStringLiteral("?") : shown(version),
                         session.foundMode == MODE_LOADER ? modeWords(MODE_LOADER)
                                                          : modeName(session.foundMode));
    }
    for (const BusyController &b : session.busy) {
        QJsonObject device {{QStringLiteral("port"), b.port},
                            {QStringLiteral("location"), b.location},
                            {QStringLiteral("mode"), QStringLiteral("busy")}};
        if (b.holder.known()) {
            device.insert(QStringLiteral("pid"), b.holder.pid);
            device.insert(QStringLiteral("program"), b.holder.program);
        }
        list.append(device);
        text += QStringLiteral("?  port %1 (%2)  %3\n")
                    .arg(shown(b.port), shown(b.location), heldBy(b.holder));
    }
    // Listing works while some are held; only where none is free does it fail.
    Ending ending = Ending::Done;
    if (found.isEmpty() && session.busy.isEmpty()) {
        call.console.fail(QStringLiteral("no Kelvo controller found"));
        ending = Ending::NoController;
    } else if (found.isEmpty()) {
        call.console.fail(busyList(session.busy));
        ending = Ending::Busy;
    }
    const QByteArray output
        = call.options.json ? QJsonDocument(list).toJson(QJsonDocument::Indented) : text.toUtf8();
    if (!output.isEmpty() && !call.console.out(output))
        ending = Ending::Failed;
    return JobReport::status(ending, call.command.comparison);
}

int backupAll(Session &session)
{
    const Invocation &call = session.call;
    const Options &options = call.options;
    QJsonArray results;
    const auto printed = [&](Ending ending) {
        if (options.json
            && !call.console.out(QJsonDocument(results).toJson(QJsonDocument::Indented)))
            ending = Ending::Failed;
        return JobReport::status(ending, call.command.comparison);
    };
    const QDir folder(*options.output);
    if (!folder.exists())
        session.end(Ending::Failed, QStringLiteral("%1: not a folder").arg(shown(*options.output)));
    const QList<Found> found = folder.exists() ? session.discover() : QList<Found>();
    // As found now: a failed job looks at the bus again.
    const QList<BusyController> busy = session.busy;
    if (folder.exists() && found.isEmpty() && busy.isEmpty())
        session.end(Ending::NoController, QStringLiteral("no Kelvo controller found"));
    else if (folder.exists() && found.isEmpty())
        session.end(Ending::Busy, busyList(busy));
    if (!session.report.succeeded()) {
        session.report.tell(call.console, false);
        results.append(session.report.json());
        return printed(session.report.ending);
    }

    // Every controller is tried; the status is that of the first trouble met.
    Ending first = Ending::Done;
    const QStringList names = backupNames(found);
    for (int i = 0; i < found.size(); ++i) {
        if (session.interrupted()) {
            // Ctrl+C ends the run after the controller it came during.
            const QList<Found> rest = found.mid(i);
            session.report = JobReport(session.command, false);
            session.report.end(Ending::Cancelled,
                               QStringLiteral("cancelled; not read: %1").arg(foundList(rest)));
            session.report.tell(call.console, false);
            for (const Found &f : rest) {
                JobReport skipped(session.command, false);
                skipped.fields
                    = {{QStringLiteral("serial"), f.serial}, {QStringLiteral("port"), f.port}};
                skipped.end(Ending::Cancelled, QStringLiteral("cancelled before it was read"));
                results.append(skipped.json());
            }
            if (first == Ending::Done)
                first = Ending::Cancelled;
            break;
        }
        session.report = JobReport(session.command, false);
        std::vector<u8> image;
        const QString file = folder.filePath(names[i]);
        if (session.open(found[i]) && session.running()
            && readInto(session, image,
                        readNotice(session,
                                   i + 1 < found.size()
                                       ? QStringLiteral("no file is written, no further "
                                                        "controller is read")
                                       : QStringLiteral("no file is written")))) {
            QString reason;
            if (ConfigFile::write(file, image.data(), &reason)) {
                session.report.fields.insert(QStringLiteral("file"), file);
                session.report.text
                    = QStringLiteral("%1 saved to %2\n").arg(session.who(), shown(file));
            } else {
                session.end(Ending::Failed,
                            QStringLiteral("%1: cannot write: %2").arg(shown(file), shown(reason)));
            }
        }
        session.leaveAsFound();
        if (!session.report.tell(call.console, !options.quiet && !options.json))
            session.report.end(Ending::Failed, QStringLiteral("standard output failed"));
        results.append(session.report.json());
        if (first == Ending::Done)
            first = session.report.ending;
    }
    // Those another program holds are not read, and said so, each as a controller of the run.
    for (const BusyController &b : busy) {
        if (first == Ending::Cancelled)
            break;
        JobReport held(session.command, false);
        held.fields = {{QStringLiteral("port"), b.port}};
        held.end(Ending::Busy, busyList({b}));
        held.tell(call.console, false);
        results.append(held.json());
        if (first == Ending::Done)
            first = held.ending;
    }
    return printed(first);
}

bool backupCheck(Session &session)
{
    const Options &options = session.call.options;
    if (!session.call.args.isEmpty() || !options.output || options.output->isEmpty())
        return usage(session,
                     "backup needs -o: kelvoctl backup [--serial S] [--port P] -o FILE, "
                     "or kelvoctl backup --all -o DIR");
    if (options.all && (!options.serial.isEmpty() || !options.port.isEmpty()))
        return usage(session, "--all goes with neither --serial nor --port");
    return true;
}

int backup(Session &session)
{
    const Options &options = session.call.options;
    if (options.all)
        return backupAll(session);
    std::vector<u8> image;
    if (readInto(session, image, readNotice(session, QStringLiteral("no file is written")))) {
        QString reason;
        session.report.fields.insert(QStringLiteral("file"), *options.output);
        if (ConfigFile::write(*options.output, image.data(), &reason))
            session.report.text
                = QStringLiteral("%1 saved to %2\n").arg(session.who(), shown(*options.output));
        else
            session.end(
                Ending::Failed,
                QStringLiteral("%1: cannot write: %2").arg(shown(*options.output), shown(reason)));
    }
    return session.conclude();
}

bool restoreCheck(Session &session)
{
    if (session.call.args.size() != 1)
        return usage(session,
                     "restore takes one file name: kelvoctl restore [--serial S] [--port P] "
                     "FILE [--yes]");
    return readFile(session, session.call.args[0], session.file);
}

int restore(Session &session)
{
    const QString &fileName = session.call.args[0];
    if (!session.agreed(QStringLiteral("configuration"),
                        QStringLiteral("Replace the configuration of %1 with %2?")
                            .arg(session.who(), shown(fileName))))
        return session.conclude();
    const QString doing = QStringLiteral("writing the configuration");
    const QString incomplete = QStringLiteral("its configuration may be incomplete: restore again");
    // A write cut short leaves the controller with a part of each configuration: the window's
    // Cancel only ends it where the controller keeps it waiting, and so does Ctrl+C.
    if (!session.begin(doing,
                       QStringLiteral("Ctrl+C: the configuration write goes on to its end, as "
                                      "one cut short leaves %1 with an incomplete configuration")
                           .arg(session.who()),
                       QStringLiteral("stopped at once; %1").arg(incomplete)))
        return session.conclude();
    const JobResult result = session.kelvo.writeConfiguration(session.file.data());
    if (!result.ok()) {
        session.jobFailed(result, doing, incomplete);
        return session.conclude();
    }
    session.notify(QStringLiteral("Ctrl+C: the configuration is written; ending once %1 runs "
                                  "with it")
                       .arg(session.who()),
                   QStringLiteral("stopped at once; %1 is written but may not have restarted "
                                  "with it: switch it off and on")
                       .arg(session.who()));
    session.kelvo.restartController(); // it runs with the new configuration
    session.report.text
        = QStringLiteral("%1 now runs with %2\n").arg(session.who(), shown(fileName));
    return session.conclude();
}

bool verifyConfigCheck(Session &session)
{
    if (session.call.args.size() != 1)
        return usage(session,
                     "verify-config takes one file name: kelvoctl verify-config [--serial S] "
                     "[--port P] FILE");
    return readFile(session, session.call.args[0], session.file);
}

int verifyConfig(Session &session)
{
    std::vector<u8> actual;
    if (readInto(session, actual, readNotice(session, QStringLiteral("nothing is compared"))))
        compareInto(session.report, session.call.args[0],
                    QStringLiteral("controller %1").arg(session.target.serial), session.file.data(),
                    actual.data());
    return session.conclude();
}

// The whole upgrade file is checked before any controller is touched, and refused in kelvoctl's
// words.
bool upgradeFileCheck(Session &session, const char *usageText)
{
    if (session.call.args.size() != 1)
        return usage(session, usageText);
    const QString &fileName = session.call.args[0];
    session.report.fields.insert(QStringLiteral("file"), fileName);
    if (QString refusal = upgradeFileRefusal(fileName); !refusal.isEmpty())
        return session.end(Ending::Failed, refusal.replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return true;
}

bool flashCheck(Session &session)
{
    return upgradeFileCheck(session,
                            "flash takes one upgrade file: kelvoctl flash [--serial S] "
                            "[--port P] FILE.upg [--allow-older] [--yes]");
}

bool verifyFirmwareCheck(Session &session)
{
    return upgradeFileCheck(session,
                            "verify-firmware takes one upgrade file: kelvoctl "
                            "verify-firmware [--serial S] [--port P] FILE.upg");
}

int firmwareJob(Session &session, bool upgrade)
{
    const Invocation &call = session.call;
    const QString &fileName = call.args[0];
    if (upgrade
        && !session.agreed(QStringLiteral("firmware"),
                           QStringLiteral("Install %1 on %2?").arg(shown(fileName), session.who())))
        return session.conclude();
    const QString doing = upgrade ? QStringLiteral("installing the firmware")
                                  : QStringLiteral("comparing the firmware");
    const QString inLoader = QStringLiteral("%1 waits in its firmware loader: %2")
                                 .arg(session.who(), session.flashHint());
    if (!session.begin(
            doing,
            upgrade
                ? QStringLiteral("Ctrl+C: stopping after the current block; then %1").arg(inLoader)
                : QStringLiteral("Ctrl+C: stopping after the current block; then "
                                 "%1 is restarted")
                      .arg(session.who()),
            upgrade ? QStringLiteral("stopped at once; %1").arg(inLoader)
                    : QStringLiteral("stopped at once; %1 may wait in its firmware "
                                     "loader: %2")
                          .arg(session.who(), session.flashHint())))
        return session.conclude();
    // Nothing is asked during the job: a verify goes on past a differing block, so that every
    // one is listed.
    FirmwareJobOptions answers;
    answers.installOlder = call.options.allowOlder ? FirmwareJobOptions::Answer::Yes
                                                   : FirmwareJobOptions::Answer::No;
    answers.continuePastDifference = FirmwareJobOptions::Answer::Yes;
    const JobResult result = session.kelvo.runFirmwareJob(fileName, upgrade, answers);
    session.firmwareStarted = result.started;
    // A verify leaves the firmware as it was: it can run again whatever the outcome.
    if (!upgrade && result.started && !result.ok())
        session.kelvo.restartController();
    const Ending ending = endingOf(result.outcome);
    if (ending == Ending::Differs) {
        // Compared to the end: nothing went wrong with the link.
        QStringList blocks;
        QJsonArray list;
        for (int block : result.differingBlocks) {
            blocks << QString::number(block);
            list.append(block);
        }
        session.report.fields.insert(QStringLiteral("differingBlocks"), list);
        session.report.text = QStringLiteral("%1: firmware differs from %2 in %3 block(s): %4\n")
                                  .arg(session.who(), shown(fileName))
                                  .arg(blocks.size())
                                  .arg(blocks.join(QStringLiteral(", ")));
        session.report.end(Ending::Differs);
        return session.conclude();
    }
    if (ending != Ending::Done) {
        if (!result.started && ending == Ending::Cancelled)
            session.end(Ending::Cancelled,
                        session.interrupted()
                            ? QStringLiteral("%1 of %2 cancelled; nothing was changed")
                                  .arg(doing, session.who())
                            : QStringLiteral("an older release is installed only with "
                                             "--allow-older; nothing was changed"));
        else if (!result.started && result.outcome == JobResult::Outcome::LinkLost)
            session.lost(QStringLiteral("reading its version"));
        else if (!result.started)
            session.end(Ending::Failed,
                        QStringLiteral("%1: %2").arg(shown(fileName), session.reason(result)));
        else
            session.jobFailed(result, doing);
        return session.conclude();
    }
    session.notify(
        QStringLiteral("Ctrl+C: the job is done; ending once %1 runs again").arg(session.who()),
        QStringLiteral("stopped at once; %1 may not have restarted: switch it off "
                       "and on")
            .arg(session.who()));
    session.kelvo.restartController(); // it runs its firmware again
    session.report.text = upgrade
        ? QStringLiteral("%1 now runs %2\n").arg(session.who(), shown(fileName))
        : QStringLiteral("%1 holds the firmware of %2\n").arg(session.who(), shown(fileName));
    return session.conclude();
}

int flash(Session &session)
{
    return firmwareJob(session, true);
}

int verifyFirmware(Session &session)
{
    return firmwareJob(session, false);
}

} // namespace

const QList<Command> &controllerCommands()
{
    static const QList<Command> table {
        {"devices", "devices [--json]", "list the controllers on the bus and their ports",
         JsonOption, Needs::Bus, false, onControllers<devicesCheck, devices>},
        {"backup", "backup [--serial S] [--port P] -o FILE",
         "save a controller's configuration to a file",
         OutputOption | SerialOption | PortOption | AllOption | JsonOption | QuietOption,
         Needs::Controller, false, onControllers<backupCheck, backup>, "backup --all -o DIR",
         "save every controller's, as DIR/<serial>.cfgkv", AllOption},
        {"restore", "restore [--serial S] [--port P] FILE [--yes]",
         "write a configuration file to a controller",
         SerialOption | PortOption | YesOption | JsonOption | QuietOption, Needs::Controller, false,
         onControllers<restoreCheck, restore>},
        {"verify-config", "verify-config [--serial S] [--port P] FILE",
         "compare a controller's configuration with a file",
         SerialOption | PortOption | JsonOption | QuietOption, Needs::Controller, true,
         onControllers<verifyConfigCheck, verifyConfig>},
        {"flash", "flash [--serial S] [--port P] FILE.upg [--allow-older] [--yes]",
         "install the firmware of an upgrade file",
         SerialOption | PortOption | YesOption | AllowOlderOption | JsonOption | QuietOption,
         Needs::ControllerOrLoader, false, onControllers<flashCheck, flash>},
        {"verify-firmware", "verify-firmware [--serial S] [--port P] FILE.upg",
         "compare a controller's firmware with an upgrade file",
         SerialOption | PortOption | JsonOption | QuietOption, Needs::Controller, true,
         onControllers<verifyFirmwareCheck, verifyFirmware>},
    };
    return table;
}

} // namespace Kelvoctl
