// kelvoctl's controller commands in-process against the simulated bus: what they do to the
// controllers and files, what they print, and the exit status, also when a controller leaves the
// bus after any transfer, when several are there, when one waits in its loader, and on Ctrl+C.

#include "common/version.h"
#include "controller/kelvo_controller_class.h"
#include "device/kelvoprotocol.h"
#include "kelvoctl/commands.h"
#include "kelvoctl/interrupt.h"
#include "model/configclear.h"
#include "model/configfile.h"
#include "model/configlayout.h"
#include "simulator/simulatedbus.h"
#include "support/configfilefixtures.h"
#include "support/upgradefilemaker.h"
#include "support/virtualclock.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace ConfigLayout;

namespace {

const QByteArray firmware = ConfigFileFixtures::randomBytes(41, 4096).repeated(16);

QByteArray upgradeFile(const QByteArray &versionText)
{
    UpgradeFileMaker maker;
    maker.firmware = firmware;
    maker.text = versionText;
    return maker.build();
}

QByteArray configurationOf(const SimulatedController &c)
{
    return QByteArray(reinterpret_cast<const char *>(c.configuration.data()), ImageSize);
}

void setConfiguration(SimulatedController &c, const QByteArray &image)
{
    std::copy(image.cbegin(), image.cend(), c.configuration.begin());
}

QByteArray fileImage(const QString &name)
{
    QByteArray image(ImageSize, '\0');
    if (!ConfigFile::read(name, reinterpret_cast<u8 *>(image.data())))
        return QByteArray();
    return image;
}

} // namespace

class tst_KelvoctlControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void devicesLists_data();
    void devicesLists();
    void backupAndRestoreRoundTrip();
    void backupAll();
    void whichController_data();
    void whichController();
    void restoreAsks_data();
    void restoreAsks();
    void verifyConfig();
    void diffOfFiles();
    void flashAndVerifyFirmware();
    void olderReleaseNeedsAllowOlder();
    void cancelledFlashLeavesTheLoader();
    void cancelledBackupWritesNoFile();
    void unplugAfterEveryTransfer_data();
    void unplugAfterEveryTransfer();
    void progressOnlyOnATerminal();

private:
    int kelvoctl(const QStringList &args);
    QString path(const char *name) const { return dir->filePath(QString::fromLatin1(name)); }
    void writeConfigFile(const QString &name, const QByteArray &image);

    std::unique_ptr<VirtualClock> clock;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<BufferConsole> console;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Interrupt> interrupt;
};

void tst_KelvoctlControllers::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("kelvoctl"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kelvoRelease));
}

void tst_KelvoctlControllers::init()
{
    clock = std::make_unique<VirtualClock>();
    bus = std::make_unique<SimulatedBus>();
    console = std::make_unique<BufferConsole>();
    dir = std::make_unique<QTemporaryDir>();
    interrupt = std::make_unique<Interrupt>();
}

void tst_KelvoctlControllers::cleanup()
{
    console.reset();
    bus.reset();
    clock.reset();
    dir.reset();
}

int tst_KelvoctlControllers::kelvoctl(const QStringList &args)
{
    console->output.clear();
    console->errors.clear();
    Kelvoctl::Environment environment;
    environment.usb = bus.get();
    environment.interrupt = interrupt.get();
    return Kelvoctl::run(QStringList {QStringLiteral("kelvoctl")} + args, *console, environment);
}

void tst_KelvoctlControllers::writeConfigFile(const QString &name, const QByteArray &image)
{
    QVERIFY(ConfigFile::write(name, reinterpret_cast<const u8 *>(image.constData())));
}

void tst_KelvoctlControllers::devicesLists_data()
{
    QTest::addColumn<int>("controllers");
    QTest::addColumn<bool>("json");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("two") << 2 << false;
    QTest::newRow("two, JSON") << 2 << true;
}

void tst_KelvoctlControllers::devicesLists()
{
    QFETCH(int, controllers);
    QFETCH(bool, json);

    QList<SimulatedController *> added;
    for (int i = 0; i < controllers; ++i)
        added << &bus->addController(QStringLiteral("KLV000000%1").arg(i + 1, 2, 10, QChar('0')));
    if (controllers)
        added[1]->version = {1, 5, 'a'};
    for (SimulatedController *c : added)
        setConfiguration(*c, ConfigFileFixtures::randomBytes(3, ImageSize));
    const QList<QByteArray> before = [&] {
        QList<QByteArray> images;
        for (SimulatedController *c : added)
            images << configurationOf(*c);
        return images;
    }();

    QStringList args {QStringLiteral("devices")};
    if (json)
        args << QStringLiteral("--json");
    // None found is status 3, as for every command that looks for controllers.
    QCOMPARE(kelvoctl(args), controllers ? 0 : 3);
    QCOMPARE(console->errors,
             controllers ? QString() : QStringLiteral("kelvoctl: no Kelvo controller found\n"));
    if (json) {
        const QJsonArray list = QJsonDocument::fromJson(console->output).array();
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].toObject()[QStringLiteral("serial")].toString(),
                 QStringLiteral("KLV00000001"));
        QCOMPARE(list[1].toObject()[QStringLiteral("firmware")].toString(),
                 QStringLiteral("1.05a"));
        QCOMPARE(list[1].toObject()[QStringLiteral("mode")].toString(), QStringLiteral("running"));
        QVERIFY(list[0].toObject().contains(QStringLiteral("location")));
    } else if (controllers) {
        const QStringList lines
            = QString::fromUtf8(console->output).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[1].startsWith(QLatin1String("KLV00000002")), qPrintable(lines[1]));
        QVERIFY2(lines[1].contains(QLatin1String("firmware 1.05a")), qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(QLatin1String("running")), qPrintable(lines[1]));
    } else {
        QCOMPARE(console->output, QByteArray());
    }
    // Listing changes nothing on a controller: no mode, no transfer, no reset.
    for (int i = 0; i < added.size(); ++i) {
        QCOMPARE(configurationOf(*added[i]), before[i]);
        QCOMPARE(added[i]->mode(), MODE_NORMAL);
        QCOMPARE(added[i]->resets(), 0);
    }
}

void tst_KelvoctlControllers::backupAndRestoreRoundTrip()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray first = ConfigFileFixtures::randomBytes(5, ImageSize);
    setConfiguration(c, first);

    QCOMPARE(kelvoctl({"backup", "-o", path("box.cfgkv")}), 0);
    QCOMPARE(console->errors, QString());
    QCOMPARE(QString::fromUtf8(console->output),
             QStringLiteral("controller KLV0000000A saved to %1\n").arg(path("box.cfgkv")));
    QCOMPARE(fileImage(path("box.cfgkv")), first);

    setConfiguration(c, ConfigFileFixtures::randomBytes(6, ImageSize));
    QCOMPARE(kelvoctl({"restore", path("box.cfgkv"), "--yes", "--json"}), 0);
    QCOMPARE(configurationOf(c), first);
    QCOMPARE(c.resets(), 1); // it runs with what it was given
    const QJsonObject result = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(result[QStringLiteral("outcome")].toString(), QStringLiteral("done"));
    QCOMPARE(result[QStringLiteral("serial")].toString(), QStringLiteral("KLV0000000A"));
    QCOMPARE(result[QStringLiteral("status")].toInt(), 0);

    QCOMPARE(kelvoctl({"verify-config", path("box.cfgkv")}), 0);
    QCOMPARE(console->output, QByteArray());
}

void tst_KelvoctlControllers::backupAll()
{
    SimulatedController &a = bus->addController(QStringLiteral("KLV00000001"));
    SimulatedController &b = bus->addController(QStringLiteral("KLV00000002"));
    setConfiguration(a, ConfigFileFixtures::randomBytes(7, ImageSize));
    setConfiguration(b, ConfigFileFixtures::randomBytes(8, ImageSize));

    QCOMPARE(kelvoctl({"backup", "--all", "-o", dir->path(), "--quiet"}), 0);
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files),
             (QStringList {"KLV00000001.cfgkv", "KLV00000002.cfgkv"}));
    QCOMPARE(fileImage(path("KLV00000001.cfgkv")), configurationOf(a));
    QCOMPARE(fileImage(path("KLV00000002.cfgkv")), configurationOf(b));

    QCOMPARE(kelvoctl({"backup", "--all", "-o", path("missing")}), 1);
    QCOMPARE(console->errors, QStringLiteral("kelvoctl: %1: not a folder\n").arg(path("missing")));
}

void tst_KelvoctlControllers::whichController_data()
{
    QTest::addColumn<QStringList>("serials"); // on the bus
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");

    const QStringList two {"KLV00000001", "KLV00000002"};
    QTest::newRow("none") << QStringList() << QStringList {"backup", "-o", "x.cfgkv"} << 3
                          << "kelvoctl: no Kelvo controller found\n";
    QTest::newRow("several, restore") << two << QStringList {"restore", "in.cfgkv", "--yes"} << 3
                                      << "kelvoctl: 2 controllers on the bus; name one with "
                                         "--serial or --port (found: KLV00000001 at port 1-1, "
                                         "KLV00000002 at port 1-2)\n";
    QTest::newRow("several, flash") << two << QStringList {"flash", "new.upg", "--yes"} << 3
                                    << "kelvoctl: 2 controllers on the bus; name one with --serial "
                                       "or --port (found: KLV00000001 at port 1-1, KLV00000002 "
                                       "at port 1-2)\n";
    QTest::newRow("wrong serial") << two
                                  << QStringList {"verify-config", "--serial", "KLV00000009",
                                                  "in.cfgkv"}
                                  << 2
                                  << "kelvoctl: no controller with serial number KLV00000009 on "
                                     "the bus (found: KLV00000001 at port 1-1, KLV00000002 at "
                                     "port 1-2)\n";
    QTest::newRow("named of several")
        << two << QStringList {"restore", "--serial", "KLV00000002", "in.cfgkv", "--yes"} << 0
        << "";
    QTest::newRow("option of another command")
        << two << QStringList {"devices", "--yes"} << 2
        << "kelvoctl: --yes goes with restore and flash only\nTry 'kelvoctl --help'.\n";
}

void tst_KelvoctlControllers::whichController()
{
    QFETCH(QStringList, serials);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, error);

    for (const QString &serial : serials)
        bus->addController(serial);
    const QByteArray image = ConfigFileFixtures::randomBytes(9, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    QCOMPARE(kelvoctl(args), status);
    QCOMPARE(console->errors, error);
    // Only the controller named was touched.
    for (const QString &serial : serials) {
        SimulatedController *c = bus->controller(serial);
        const bool named = args.contains(serial) && status == 0;
        QCOMPARE(configurationOf(*c) == image, named);
        QCOMPARE(c->resets(), named ? 1 : 0);
    }
}

void tst_KelvoctlControllers::restoreAsks_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("written");
    QTest::newRow("no terminal, refused") << false << QStringList() << 1 << false;
    QTest::newRow("terminal, yes") << true << QStringList {"y"} << 0 << true;
    QTest::newRow("terminal, no") << true << QStringList {"n"} << 130 << false;
    QTest::newRow("terminal, end of input") << true << QStringList() << 130 << false;
}

void tst_KelvoctlControllers::restoreAsks()
{
    QFETCH(bool, terminal);
    QFETCH(QStringList, typed);
    QFETCH(int, status);
    QFETCH(bool, written);

    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    const QByteArray before = configurationOf(c);
    const QByteArray image = ConfigFileFixtures::randomBytes(10, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    console->terminal = terminal;
    console->input = typed;
    QCOMPARE(kelvoctl({"restore", path("in.cfgkv")}), status);
    QCOMPARE(configurationOf(c), written ? image : before);
    if (terminal)
        QVERIFY(console->errors.startsWith(
            QStringLiteral("Replace the configuration of controller KLV0000000A with %1? [y/N] ")
                .arg(path("in.cfgkv"))));
    else
        QCOMPARE(console->errors,
                 QStringLiteral("kelvoctl: restore replaces the configuration "
                                "of controller KLV0000000A; confirm with --yes\n"));
}

void tst_KelvoctlControllers::verifyConfig()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QByteArray image(ImageSize, '\0');
    clearImage(reinterpret_cast<u8 *>(image.data()), ClearFlags::All);
    setConfiguration(c, image);
    writeConfigFile(path("same.cfgkv"), image);
    image[levelOffset(0, 2, 11)] = char(255);
    writeConfigFile(path("other.cfgkv"), image);

    QCOMPARE(kelvoctl({"verify-config", path("same.cfgkv")}), 0);
    QCOMPARE(kelvoctl({"verify-config", path("other.cfgkv")}), 1);
    QCOMPARE(console->output, QByteArray("scene 3 channel 12: 255 -> 0\n"));
    QCOMPARE(kelvoctl({"verify-config", path("missing.cfgkv")}), 2);
    bus->unplug(c);
    QCOMPARE(kelvoctl({"verify-config", path("same.cfgkv")}), 2);
    QCOMPARE(console->errors, QStringLiteral("kelvoctl: no Kelvo controller found\n"));
}

void tst_KelvoctlControllers::diffOfFiles()
{
    QByteArray a(ImageSize, '\0');
    clearImage(reinterpret_cast<u8 *>(a.data()), ClearFlags::All);
    QByteArray b = a;
    b[RcuSysAddr] = 5;
    writeConfigFile(path("a.cfgkv"), a);
    writeConfigFile(path("b.cfgkv"), b);

    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("a.cfgkv")}), 0);
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("b.cfgkv")}), 1);
    QCOMPARE(console->output, QByteArray("remote system address: not used -> 5\n"));
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("b.cfgkv"), "--json"}), 1);
    const QJsonObject object = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(object[QStringLiteral("same")].toBool(), false);
    QCOMPARE(object[QStringLiteral("differences")].toArray().size(), 1);
    QCOMPARE(kelvoctl({"diff", path("a.cfgkv"), path("none.cfgkv")}), 2);
    QVERIFY(console->errors.startsWith(QStringLiteral("kelvoctl: %1: ").arg(path("none.cfgkv"))));
}

void tst_KelvoctlControllers::flashAndVerifyFirmware()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));

    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 0);
    QCOMPARE(console->errors, QString());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size())),
             firmware);
    QCOMPARE(c.mode(), MODE_NORMAL);

    QCOMPARE(kelvoctl({"verify-firmware", path("new.upg")}), 0);
    QCOMPARE(console->errors, QString());
    // Two blocks changed on the controller: listed, status 1, and it runs again.
    c.firmware[300] ^= 1;
    c.firmware[5 * 256] ^= 1;
    QCOMPARE(kelvoctl({"verify-firmware", path("new.upg"), "--json"}), 1);
    QCOMPARE(console->errors, QString());
    const QJsonObject result = QJsonDocument::fromJson(console->output).object();
    QCOMPARE(result[QStringLiteral("differingBlocks")].toArray(), (QJsonArray {2, 6}));
    QCOMPARE(c.mode(), MODE_NORMAL);
}

void tst_KelvoctlControllers::olderReleaseNeedsAllowOlder()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    c.version = {1, 6, 'A'};
    const std::vector<u8> old = c.firmware;
    QVERIFY(ConfigFileFixtures::writeFile(path("old.upg"), upgradeFile(" v_1_00A")));

    QCOMPARE(kelvoctl({"flash", path("old.upg"), "--yes"}), 130);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: an older release is installed only with "
                            "--allow-older; nothing was changed\n"));
    QVERIFY(c.firmware == old);
    QCOMPARE(kelvoctl({"flash", path("old.upg"), "--yes", "--allow-older"}), 0);
    QVERIFY(c.firmware != old);
}

void tst_KelvoctlControllers::cancelledFlashLeavesTheLoader()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));
    console->terminal = true; // the progress bar is where Ctrl+C comes
    console->onProgress = [&](const QString &line) {
        if (line.contains(QLatin1String(" 100/")))
            interrupt->press();
    };
    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 130);
    QVERIFY2(console->errors.endsWith(QStringLiteral(
                 "kelvoctl: installing the firmware of controller KLV0000000A cancelled; it waits "
                 "in its firmware loader: run 'kelvoctl flash --serial KLV0000000A FILE.upg' to "
                 "finish\n")),
             qPrintable(console->errors));
    QCOMPARE(c.mode(), MODE_LOADER);

    interrupt = std::make_unique<Interrupt>();
    console->onProgress = nullptr;
    console->terminal = false;
    writeConfigFile(path("in.cfgkv"), ConfigFileFixtures::randomBytes(3, ImageSize));
    QCOMPARE(kelvoctl({"backup", "-o", path("out.cfgkv")}), 5);
    QCOMPARE(console->errors,
             QStringLiteral("kelvoctl: controller KLV0000000A waits for its firmware (it is in "
                            "its loader); run 'kelvoctl flash --serial KLV0000000A FILE.upg' to "
                            "finish the upgrade\n"));
    QVERIFY(!QFile::exists(path("out.cfgkv")));
    QCOMPARE(kelvoctl({"restore", path("in.cfgkv"), "--yes"}), 5);

    QCOMPARE(kelvoctl({"flash", path("new.upg"), "--yes"}), 0);
    QCOMPARE(c.mode(), MODE_NORMAL);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(c.firmware.data()), int(c.firmware.size())),
             firmware);
}

void tst_KelvoctlControllers::cancelledBackupWritesNoFile()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    setConfiguration(c, ConfigFileFixtures::randomBytes(12, ImageSize));
    QVERIFY(ConfigFileFixtures::writeFile(path("kept.cfgkv"), "what was there"));
    console->terminal = true;
    console->onProgress = [&](const QString &line) {
        if (line.contains(QLatin1String(" 20/")))
            interrupt->press();
    };
    QCOMPARE(kelvoctl({"backup", "-o", path("kept.cfgkv")}), 130);
    QCOMPARE(console->errors.section(QLatin1Char('\n'), -2),
             QStringLiteral("kelvoctl: reading the configuration of controller KLV0000000A "
                            "cancelled; no file was written\n"));
    QFile kept(path("kept.cfgkv"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("what was there"));
}

void tst_KelvoctlControllers::unplugAfterEveryTransfer_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("lostStatus"); // the status when the controller left mid-job
    QTest::newRow("backup") << QStringList {"backup", "-o", "out.cfgkv"} << 4;
    QTest::newRow("restore") << QStringList {"restore", "in.cfgkv", "--yes"} << 4;
    QTest::newRow("verify-config") << QStringList {"verify-config", "in.cfgkv"} << 2;
    QTest::newRow("flash") << QStringList {"flash", "new.upg", "--yes"} << 4;
    QTest::newRow("verify-firmware") << QStringList {"verify-firmware", "new.upg"} << 4;
}

void tst_KelvoctlControllers::unplugAfterEveryTransfer()
{
    QFETCH(QStringList, args);
    QFETCH(int, lostStatus);

    for (QString &arg : args) {
        if (arg.contains(QLatin1Char('.')))
            arg = dir->filePath(arg);
    }
    const QByteArray image = ConfigFileFixtures::randomBytes(14, ImageSize);
    writeConfigFile(path("in.cfgkv"), image);
    QVERIFY(ConfigFileFixtures::writeFile(path("new.upg"), upgradeFile(" v_1_00A")));

    // An undisturbed run first: how many transfers the job makes (the unplug knob counts them).
    constexpr int Far = 1 << 30;
    int transfers = 0;
    {
        SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
        setConfiguration(c, image);
        c.firmware.assign(firmware.cbegin(), firmware.cend()); // so that a verify finds it equal
        c.faults.unplugAfterTransfers = Far;
        QCOMPARE(kelvoctl(args), 0);
        transfers = Far - c.faults.unplugAfterTransfers;
    }
    QVERIFY(transfers > 40);

    // Then the controller leaves after each number of its transfers: never a wrong success, a
    // status that says what happened, and no file written by a job that did not end.
    for (int after = 0; after < transfers; ++after) {
        bus = std::make_unique<SimulatedBus>();
        SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
        setConfiguration(c, image);
        c.firmware.assign(firmware.cbegin(), firmware.cend());
        if (after == 0)
            bus->unplug(c);
        else
            c.faults.unplugAfterTransfers = after;
        QFile::remove(path("out.cfgkv"));
        const int status = kelvoctl(args);
        const QString where = QStringLiteral("unplugged after %1 of %2 transfers: status %3, %4")
                                  .arg(after)
                                  .arg(transfers)
                                  .arg(status)
                                  .arg(console->errors);
        // Gone before or during discovery reads as "no controller"; gone after the job's end
        // (during the restart) is still a success.
        QVERIFY2(status == lostStatus || status == 3 || status == 2 || status == 0,
                 qPrintable(where));
        if (status == 0) {
            // Gone only during the restart after the job: what it did is whole.
            if (args[0] == QLatin1String("backup"))
                QCOMPARE(fileImage(path("out.cfgkv")), image);
            continue;
        }
        QVERIFY2(console->errors.contains(QLatin1String("KLV0000000A"))
                     || console->errors.contains(QLatin1String("no Kelvo controller found")),
                 qPrintable(where));
        if (args[0] == QLatin1String("backup"))
            QVERIFY2(!QFile::exists(path("out.cfgkv")), qPrintable(where));
    }
}

void tst_KelvoctlControllers::progressOnlyOnATerminal()
{
    SimulatedController &c = bus->addController(QStringLiteral("KLV0000000A"));
    setConfiguration(c, ConfigFileFixtures::randomBytes(15, ImageSize));

    QCOMPARE(kelvoctl({"backup", "-o", path("a.cfgkv")}), 0);
    QVERIFY(console->progressLines.isEmpty());
    console->terminal = true;
    QCOMPARE(kelvoctl({"backup", "-o", path("b.cfgkv"), "--quiet"}), 0);
    QVERIFY(console->progressLines.isEmpty());
    QCOMPARE(console->output, QByteArray());
    QCOMPARE(kelvoctl({"backup", "-o", path("c.cfgkv")}), 0);
    QVERIFY(console->progressLines.size() > 40);
    QVERIFY2(console->progressLines.contains(QStringLiteral(
                 "backup KLV0000000A [#######-----------------------] 10/41 blocks, 4 s left")),
             qPrintable(console->progressLines.join('\n')));
    QCOMPARE(console->progressLines.last(), QString()); // the bar is wiped at the end
}

QTEST_GUILESS_MAIN(tst_KelvoctlControllers)
#include "tst_kelvoctlcontrollers.moc"
