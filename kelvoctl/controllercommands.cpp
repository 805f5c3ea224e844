// kelvoctl's commands for controllers on the bus. They run the program's own controller jobs;
// only the reporting is the command line's.

#include "controllercommands.h"

#include "cliprompts.h"
#include "configdiffoutput.h"
#include "controller/kelvo_controller_class.h"
#include "model/configfile.h"
#include "model/configlayout.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

using namespace ConfigLayout;

namespace Kelvoctl {

namespace {

// One controller job of one command: the controller object on the chosen bus, the prompts that
// turn its boxes and progress into the command line's, and the reports.
class Session
{
public:
    Session(const Invocation &call, const char *command)
        : call(call)
        , console(call.console)
        , command(QString::fromLatin1(command))
        , prompts(call.console, !call.options.quiet && call.console.errorIsTerminal(),
                  call.environment.cancel)
    {
        kelvo.setUsbBackend(call.environment.usb);
        // The window's own question, asked in its words; a verify goes on past a differing
        // block by its default, so that every one is listed.
        if (call.options.allowOlder)
            prompts.answeredYes << kelvo_controller_class::tr(
                "Do you really want to install older firmware release?");
    }

    ~Session() { kelvo.usbDevice.closeDevice(); }

    // The serial numbers of every controller on the bus, in the bus's order.
    QStringList discover()
    {
        // No controller has this serial number, so discovery lists every one as another.
        kelvo.usbDevice.serialNumber = QStringLiteral("?");
        kelvo.usbDevice.findDevice();
        kelvo.usbDevice.serialNumber.clear();
        return kelvo.otherSerials;
    }

    // Connects to the controller with this serial number; Ok, or the status after the message.
    int open(const QString &serial)
    {
        this->serial = serial;
        prompts.task = command + QLatin1Char(' ') + shown(serial);
        kelvo.usbDevice.closeDevice();
        kelvo.usbDevice.serialNumber = serial;
        if (!kelvo.connectController().ok())
            return fail(Console::NoController,
                        QStringLiteral("controller %1 is no longer on the bus").arg(shown(serial)));
        return Console::Ok;
    }

    // The one controller the options name, or the only one there is, connected and running (or
    // in its loader, where `loaderWanted`); Ok, or the status after the message.
    int choose(bool loaderWanted = false)
    {
        const QStringList found = discover();
        QString target = call.options.serial;
        if (!target.isEmpty() && !found.contains(target)) {
            return fail(Console::NoController,
                        QStringLiteral("no controller with serial number %1 on the bus%2")
                            .arg(shown(target), foundList(found)));
        }
        if (target.isEmpty()) {
            if (found.isEmpty())
                return fail(Console::NoController, QStringLiteral("no Kelvo controller found"));
            if (found.size() > 1) {
                return fail(Console::NoController,
                            QStringLiteral("%1 controllers on the bus; name one with --serial%2")
                                .arg(found.size())
                                .arg(foundList(found)));
            }
            target = found.first();
        }
        if (const int status = open(target); status != Console::Ok)
            return status;
        return loaderWanted ? Console::Ok : running();
    }

    // Ok when the connected controller runs its firmware.
    int running()
    {
        const int state = kelvo.loaderState();
        if (state < 0)
            return lost(QStringLiteral("checking its mode"));
        if (state > 0) {
            return fail(
                Console::InLoader,
                QStringLiteral("controller %1 waits for its firmware (it is in its loader); "
                               "run 'kelvoctl flash --serial %1 FILE.upg' to finish the "
                               "upgrade")
                    .arg(shown(serial)));
        }
        return Console::Ok;
    }

    // The status for a job that did not end well, after its message.
    int jobFailed(const JobResult &result, const QString &doing, const QString &afterwards = {})
    {
        // A cancelled write ends in a link error; the flag tells it apart.
        const bool cancelled = result.outcome == JobResult::Outcome::Cancelled
            || (call.environment.cancel && call.environment.cancel->load());
        if (cancelled) {
            return fail(Console::Cancelled,
                        QStringLiteral("%1 of controller %2 cancelled; %3")
                            .arg(doing, shown(serial), afterwards));
        }
        // A controller that vanished can leave any of the failures behind; the bus tells.
        if (result.outcome == JobResult::Outcome::LinkLost
            || result.outcome == JobResult::Outcome::NotConnected || !kelvo.usbDevice.isOpen()
            || !discover().contains(serial))
            return lost(doing, afterwards);
        QString why = result.detail;
        if (why.isEmpty() && !prompts.boxes.isEmpty())
            why = prompts.boxes.last().text;
        why.replace(QLatin1Char('\n'), QLatin1Char(' '));
        return fail(Console::Failed,
                    QStringLiteral("%1 of controller %2 failed: %3%4")
                        .arg(doing, shown(serial), why.simplified(),
                             afterwards.isEmpty() ? QString() : QStringLiteral("; ") + afterwards));
    }

    int lost(const QString &doing, const QString &afterwards = {})
    {
        return fail(Console::ControllerLost,
                    QStringLiteral("controller %1 left the bus or stopped answering (%2)%3")
                        .arg(shown(serial), doing,
                             afterwards.isEmpty() ? QString() : QStringLiteral("; ") + afterwards));
    }

    int fail(int status, const QString &message)
    {
        lastMessage = message;
        console.fail(message);
        return status;
    }

    // The result line for --json.
    QJsonObject result(const QString &outcome) const
    {
        QJsonObject object {{QStringLiteral("command"), command},
                            {QStringLiteral("serial"), serial},
                            {QStringLiteral("outcome"), outcome}};
        if (!lastMessage.isEmpty())
            object.insert(QStringLiteral("message"), lastMessage);
        return object;
    }

    // Ok when the user agreed to a job that replaces something on the controller: --yes, or yes
    // on the terminal; never a silent yes without a terminal to ask on.
    int agreed(const QString &replaces, const QString &question)
    {
        if (call.options.yes)
            return Console::Ok;
        if (!console.inputIsTerminal())
            return fail(Console::Failed,
                        QStringLiteral("%1 replaces the %2 of controller %3; "
                                       "confirm with --yes")
                            .arg(command, replaces, shown(serial)));
        if (!console.confirm(question))
            return fail(Console::Cancelled, QStringLiteral("nothing was changed"));
        return Console::Ok;
    }

    static QString foundList(const QStringList &found)
    {
        if (found.isEmpty())
            return QString();
        QStringList names;
        for (const QString &s : found)
            names << shown(s);
        return QStringLiteral(" (found: %1)").arg(names.join(QStringLiteral(", ")));
    }

    const Invocation &call;
    Console &console;
    QString command;
    CliPrompts prompts; // before the controller: it may ask from its first call
    kelvo_controller_class kelvo;
    QString serial;
    QString lastMessage;
};

bool printJson(Console &console, const QJsonValue &value)
{
    const QByteArray text = value.isArray()
        ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Indented)
        : QJsonDocument(value.toObject()).toJson(QJsonDocument::Indented);
    return console.out(text);
}

// A finished job: the JSON result line, or a plain line unless quiet.
int finish(Session &session, int status, const QString &text, QJsonObject extra = {})
{
    const Options &options = session.call.options;
    if (options.json) {
        // A finished job that did not succeed found differences.
        QJsonObject object = session.result(status == Console::Ok ? QStringLiteral("done")
                                                                  : QStringLiteral("differs"));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            object.insert(it.key(), it.value());
        object.insert(QStringLiteral("status"), status);
        if (!printJson(session.console, object))
            return Console::Failed;
    } else if (!options.quiet && !text.isEmpty()) {
        if (!session.console.out((text + QLatin1Char('\n')).toUtf8()))
            return Console::Failed;
    }
    return status;
}

// A failed job's JSON line; the message went to standard error already.
int failed(Session &session, int status)
{
    if (session.call.options.json) {
        QJsonObject object = session.result(QStringLiteral("failed"));
        object.insert(QStringLiteral("status"), status);
        printJson(session.console, object);
    }
    return status;
}

int badArguments(const Invocation &call, const char *text)
{
    return call.console.usage(QString::fromLatin1(text));
}

// Reads the connected controller's configuration into `image`; Ok or the status.
int readInto(Session &session, std::vector<u8> &image)
{
    image.assign(ImageSize, 0);
    const JobResult result = session.kelvo.readConfiguration(image.data());
    if (!result.ok())
        return session.jobFailed(result, QStringLiteral("reading the configuration"),
                                 QStringLiteral("no file was written"));
    return Console::Ok;
}

} // namespace

int commandDevices(const Invocation &call)
{
    if (!call.args.isEmpty())
        return badArguments(call, "devices takes no file names: kelvoctl devices [--json]");
    Session session(call, "devices");
    QJsonArray list;
    QString text;
    const QStringList found = session.discover();
    for (const QString &serial : found) {
        QJsonObject device {{QStringLiteral("serial"), serial}};
        if (session.open(serial) != Console::Ok) {
            device.insert(QStringLiteral("mode"), QStringLiteral("gone"));
            list.append(device);
            continue;
        }
        const int loader = session.kelvo.loaderState();
        const QString version = session.kelvo.firmwareVersion;
        const QString mode = loader > 0 ? QStringLiteral("loader")
            : loader == 0               ? QStringLiteral("running")
                                        : QStringLiteral("unknown");
        device.insert(QStringLiteral("location"), session.kelvo.usbDevice.location);
        device.insert(QStringLiteral("firmware"), version);
        device.insert(QStringLiteral("mode"), mode);
        list.append(device);
        text += QStringLiteral("%1  %2  firmware %3  %4\n")
                    .arg(shown(serial), shown(session.kelvo.usbDevice.location),
                         version.isEmpty() ? QStringLiteral("?") : shown(version),
                         mode == QLatin1String("loader") ? QStringLiteral("in its firmware loader")
                                                         : mode);
    }
    if (call.options.json)
        return printJson(call.console, list) ? Console::Ok : Console::Failed;
    if (found.isEmpty())
        text = QStringLiteral("no Kelvo controller found\n");
    return call.console.out(text.toUtf8()) ? Console::Ok : Console::Failed;
}

int commandBackup(const Invocation &call)
{
    const Options &options = call.options;
    if (!call.args.isEmpty() || !options.output || options.output->isEmpty())
        return badArguments(call,
                            "backup needs -o: kelvoctl backup [--serial S] -o FILE, "
                            "or kelvoctl backup --all -o DIR");
    if (options.all && !options.serial.isEmpty())
        return badArguments(call, "--all and --serial do not go together");

    Session session(call, "backup");
    if (!options.all) {
        if (const int status = session.choose(); status != Console::Ok)
            return failed(session, status);
        std::vector<u8> image;
        if (const int status = readInto(session, image); status != Console::Ok)
            return failed(session, status);
        QString reason;
        if (!ConfigFile::write(*options.output, image.data(), &reason))
            return failed(session,
                          session.fail(Console::Failed,
                                       QStringLiteral("%1: cannot write: %2")
                                           .arg(shown(*options.output), shown(reason))));
        return finish(session, Console::Ok,
                      QStringLiteral("controller %1 saved to %2")
                          .arg(shown(session.serial), shown(*options.output)),
                      {{QStringLiteral("file"), *options.output}});
    }

    const QDir folder(*options.output);
    if (!folder.exists())
        return call.console.fail(QStringLiteral("%1: not a folder").arg(shown(*options.output)));
    const QStringList found = session.discover();
    if (found.isEmpty())
        return failed(
            session,
            session.fail(Console::NoController, QStringLiteral("no Kelvo controller found")));
    // Every controller is tried; the status is the first trouble met.
    int status = Console::Ok;
    QJsonArray results;
    for (const QString &serial : found) {
        session.lastMessage.clear();
        int one = session.open(serial);
        if (one == Console::Ok)
            one = session.running();
        std::vector<u8> image;
        if (one == Console::Ok)
            one = readInto(session, image);
        const QString file = folder.filePath(serial + QStringLiteral(".cfgkv"));
        QString reason;
        if (one == Console::Ok && !ConfigFile::write(file, image.data(), &reason))
            one = session.fail(
                Console::Failed,
                QStringLiteral("%1: cannot write: %2").arg(shown(file), shown(reason)));
        if (one == Console::Ok && !options.quiet && !options.json)
            call.console.out(QStringLiteral("controller %1 saved to %2\n")
                                 .arg(shown(serial), shown(file))
                                 .toUtf8());
        QJsonObject result = session.result(one == Console::Ok ? QStringLiteral("done")
                                                               : QStringLiteral("failed"));
        result.insert(QStringLiteral("status"), one);
        if (one == Console::Ok)
            result.insert(QStringLiteral("file"), file);
        results.append(result);
        if (status == Console::Ok)
            status = one;
    }
    if (options.json && !printJson(call.console, results))
        return Console::Failed;
    return status;
}

int commandRestore(const Invocation &call)
{
    if (call.args.size() != 1)
        return badArguments(call,
                            "restore takes one file name: kelvoctl restore [--serial S] "
                            "FILE [--yes]");
    const QString &fileName = call.args[0];
    std::vector<u8> image(ImageSize);
    QString reason;
    if (!ConfigFile::read(fileName, image.data(), &reason))
        return call.console.fail(QStringLiteral("%1: %2").arg(shown(fileName), shown(reason)));

    Session session(call, "restore");
    if (const int status = session.choose(); status != Console::Ok)
        return failed(session, status);
    if (const int status
        = session.agreed(QStringLiteral("configuration"),
                         QStringLiteral("Replace the configuration of controller %1 with %2?")
                             .arg(shown(session.serial), shown(fileName)));
        status != Console::Ok)
        return failed(session, status);
    const JobResult result = session.kelvo.writeConfiguration(image.data());
    if (!result.ok())
        return failed(session,
                      session.jobFailed(result, QStringLiteral("writing the configuration"),
                                        QStringLiteral("its configuration may be "
                                                       "incomplete: restore again")));
    session.kelvo.restartController(); // it runs with the new configuration
    return finish(session, Console::Ok,
                  QStringLiteral("controller %1 now runs with %2")
                      .arg(shown(session.serial), shown(fileName)),
                  {{QStringLiteral("file"), fileName}});
}

int commandVerifyConfig(const Invocation &call)
{
    // Every trouble is 2 here, as diff(1) has it: 1 means "different".
    const auto trouble = [](int status) {
        return status == Console::Ok ? status : Console::Usage;
    };
    if (call.args.size() != 1)
        return badArguments(call,
                            "verify-config takes one file name: kelvoctl verify-config "
                            "[--serial S] FILE");
    const QString &fileName = call.args[0];
    std::vector<u8> expected(ImageSize);
    QString reason;
    if (!ConfigFile::read(fileName, expected.data(), &reason)) {
        call.console.fail(QStringLiteral("%1: %2").arg(shown(fileName), shown(reason)));
        return Console::Usage;
    }
    Session session(call, "verify-config");
    if (const int status = session.choose(); status != Console::Ok)
        return trouble(failed(session, status));
    std::vector<u8> actual;
    if (const int status = readInto(session, actual); status != Console::Ok)
        return trouble(failed(session, status));
    return printDifferences(call, fileName,
                            QStringLiteral("controller %1").arg(shown(session.serial)),
                            expected.data(), actual.data());
}

int firmwareJob(const Invocation &call, bool upgrade)
{
    const Options &options = call.options;
    const char *name = upgrade ? "flash" : "verify-firmware";
    if (call.args.size() != 1)
        return badArguments(call,
                            upgrade ? "flash takes one upgrade file: kelvoctl flash "
                                      "[--serial S] FILE.upg [--allow-older] [--yes]"
                                    : "verify-firmware takes one upgrade file: kelvoctl "
                                      "verify-firmware [--serial S] FILE.upg");
    const QString &fileName = call.args[0];
    Session session(call, name);
    // A controller in its loader can take firmware; that is how an interrupted upgrade ends.
    if (const int status = session.choose(upgrade); status != Console::Ok)
        return failed(session, status);
    if (upgrade) {
        if (const int status = session.agreed(QStringLiteral("firmware"),
                                              QStringLiteral("Install %1 on controller %2?")
                                                  .arg(shown(fileName), shown(session.serial)));
            status != Console::Ok)
            return failed(session, status);
    }
    const JobResult result = session.kelvo.runFirmwareJob(fileName, upgrade);
    // Both jobs put the controller in its loader; only a whole firmware lets it run again.
    const QString afterwards = upgrade
        ? QStringLiteral("it is in its firmware loader: run flash again")
        : QStringLiteral("it was restarted");
    if (!upgrade && result.started && !result.ok())
        session.kelvo.restartController();
    if (result.outcome == JobResult::Outcome::Differs) {
        // Compared to the end: nothing went wrong with the link.
        QStringList blocks;
        QJsonArray list;
        for (int block : result.differingBlocks) {
            blocks << QString::number(block);
            list.append(block);
        }
        session.lastMessage = QStringLiteral("%1 block(s) differ: %2")
                                  .arg(blocks.size())
                                  .arg(blocks.join(QStringLiteral(", ")));
        if (!options.json)
            call.console.out((QStringLiteral("controller %1: firmware differs from %2 in %3\n")
                                  .arg(shown(session.serial), shown(fileName), session.lastMessage))
                                 .toUtf8());
        return finish(session, Console::Failed, QString(),
                      {{QStringLiteral("differingBlocks"), list}});
    }
    if (!result.ok()) {
        if (!result.started && result.outcome == JobResult::Outcome::Cancelled)
            return failed(session,
                          session.fail(Console::Cancelled,
                                       QStringLiteral("an older release is installed "
                                                      "only with --allow-older; nothing "
                                                      "was changed")));
        if (!result.started && result.outcome == JobResult::Outcome::LinkLost)
            return failed(session, session.lost(QStringLiteral("reading its version")));
        if (!result.started) {
            QString why = result.detail;
            why.replace(QLatin1Char('\n'), QLatin1Char(' '));
            return failed(
                session,
                session.fail(Console::Failed,
                             QStringLiteral("%1: %2").arg(shown(fileName), why.simplified())));
        }
        return failed(session,
                      session.jobFailed(result,
                                        upgrade ? QStringLiteral("installing the firmware")
                                                : QStringLiteral("comparing the firmware"),
                                        afterwards));
    }
    session.kelvo.restartController(); // it runs its firmware again
    return finish(session, Console::Ok,
                  upgrade ? QStringLiteral("controller %1 now runs %2")
                                .arg(shown(session.serial), shown(fileName))
                          : QStringLiteral("controller %1 holds the firmware of %2")
                                .arg(shown(session.serial), shown(fileName)),
                  {{QStringLiteral("file"), fileName}});
}

int commandFlash(const Invocation &call)
{
    return firmwareJob(call, true);
}

int commandVerifyFirmware(const Invocation &call)
{
    return firmwareJob(call, false);
}

} // namespace Kelvoctl
